// CPU cost of the link: 50 cycles of the link-up handshake and a power poll against the simulated
// module answering about 50 ms after each command, through the real reader and wait timer threads.
// Prints process CPU time over wall time; the link is meant to cost almost nothing while it
// waits.

#include <chrono>
#include <cstdio>

#include "process_cpu.h"

#include "context/app_context.h"
#include "link/link_handshake.h"
#include "sim/simulation_spec.h"

int main(int argc, char** argv) {
    using namespace quilldar;
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 50;
    sim::ModuleTiming timing{std::chrono::milliseconds(50), std::chrono::milliseconds(45)};
    auto module = sim::buildSimulatedModule(sim::SimulationSpec{}, std::make_shared<sim::SteadySimClock>(), timing);
    app::AppContext context(std::move(module));

    const double cpuStart = processCpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    int failures = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        if (!context.state().isLinkOpen() && !context.link().ReopenInterface()) ++failures;
        if (!link::LinkHandshake(context.link(), context.state(), context.module())) ++failures;
        link::PollPower(context.link(), context.state());
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = processCpuSeconds() - cpuStart;
    std::printf("cycles: %d (handshake + power poll, module answering after 50 ms)\n", cycles);
    std::printf("failed steps: %d\n", failures);
    std::printf("wall: %.2f s  cpu: %.3f s  cpu/wall: %.2f %%\n", wall, cpu, 100.0 * cpu / wall);
    return failures == 0 ? 0 : 1;
}
