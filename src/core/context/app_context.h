#pragma once

#include <memory>

#include "state/app_state.h"
#include "files/file_browser_mode.h"
#include "link/ecm_identity.h"
#include "link/hid_link.h"
#include "link/hid_transport.h"
#include "link/link_handshake.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "pages/current_values_table.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/live_value_slots.h"

namespace quilldar::app {

// The process-wide records of one run, owned in one place and passed by reference: the
// application state, the link to the interface module with its report buffers, what the module
// and the ECM told about themselves, the receive report the pages decode, the settings and
// language table, and the tables the pages share. A test builds a fresh one around a simulated
// module.
class AppContext {
public:
    explicit AppContext(std::unique_ptr<link::HidTransport> transport)
        : transport_(std::move(transport)), link_(state_, *transport_) {
        // English until the language table fills the catalogue in the active language; every fill
        // then assigns the descriptions it knows.
        vehicle::assignEnglishDtcTexts(dtcCatalogue_);
        languageTable_.setTroubleCodeSink(
            [this](int number, const QString& text) { dtcCatalogue_.assign(number, text); });
        // Every text in English until the settings choose a language: no message is ever empty,
        // whoever builds a context. The settings keep their own language until they are loaded.
        const int chosen = settings_.languageIndex;
        languageTable_.fill(settings::kEnglish, settings_);
        settings_.languageIndex = chosen;
    }

    AppState& state() { return state_; }
    link::HidLink& link() { return link_; }
    link::ModuleIdentity& module() { return module_; }
    // The report the pages decode: one checked reply per poll tick, or the record being played.
    link::Report& receiveReport() { return receiveReport_; }
    link::EcmIdentity& ecm() { return ecm_; }
    link::HidTransport& transport() { return *transport_; }

    // --- settings and languages ---
    // The settings array with the other registry values, the store that reads and writes them,
    // and the language table; all live for the whole run and are refilled in place.
    settings::Settings& settings() { return settings_; }
    settings::SettingsStore& settingsStore() { return settingsStore_; }
    settings::LanguageTable& languageTable() { return languageTable_; }
    // --- end settings and languages ---
    // --- vehicle knowledge and page records ---
    vehicle::LiveValueSlots& liveValues() { return liveValues_; }
    pages::CurrentValuesTable& currentValues() { return currentValues_; }
    vehicle::DtcCatalogue& dtcCatalogue() { return dtcCatalogue_; }
    // --- end vehicle knowledge and page records ---
    // --- file browser ---
    // What the file browser keeps from one opening to the next.
    files::FileBrowserMemory& fileBrowser() { return fileBrowser_; }
    // --- end file browser ---

private:
    AppState state_;
    std::unique_ptr<link::HidTransport> transport_;
    link::HidLink link_;  // declared after the transport: it is closed before the transport goes
    link::ModuleIdentity module_;
    link::Report receiveReport_{};
    link::EcmIdentity ecm_;

    // --- settings and languages ---
    settings::Settings settings_;
    settings::SettingsStore settingsStore_;
    settings::LanguageTable languageTable_;
    // --- end settings and languages ---

    // --- vehicle knowledge and page records ---
    vehicle::LiveValueSlots liveValues_;
    pages::CurrentValuesTable currentValues_;
    vehicle::DtcCatalogue dtcCatalogue_;
    // --- end vehicle knowledge and page records ---

    // --- file browser ---
    files::FileBrowserMemory fileBrowser_;
    // --- end file browser ---
};

}  // namespace quilldar::app
