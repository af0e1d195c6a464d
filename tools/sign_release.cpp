// The maker's release signing: writes the detached Ed25519 signature FILE.sig (64 raw bytes) of
// each file of an update, which the program checks before it uses the file, and makes the key
// pair. Plain C++ over libsodium, so that it runs on any machine that builds the program.
//
//   sign_release --generate KEYFILE   makes a key pair, writes the secret key to KEYFILE (mode
//                                     0600, never over an existing file) and prints the public
//                                     key as the 64 hex digits QUILLDAR_UPDATE_PUBLIC_KEY takes
//   sign_release KEYFILE FILE...      writes FILE.sig for each FILE with the secret key
//
// The key file holds the 64-byte secret key as 128 hex digits on one line.
#include <sodium.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

int usage() {
    std::fprintf(stderr,
                 "usage: sign-release KEYFILE FILE...      write FILE.sig for each FILE\n"
                 "       sign-release --generate KEYFILE   make a key pair and print the public key\n");
    return 2;
}

std::string toHex(const unsigned char* bytes, std::size_t size) {
    std::string hex(size * 2 + 1, '\0');
    sodium_bin2hex(hex.data(), hex.size(), bytes, size);
    hex.resize(size * 2);
    return hex;
}

std::optional<Bytes> readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool writeAll(int fd, const void* data, std::size_t size) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, at, size);
        if (written <= 0) return false;
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

int generate(const char* keyPath) {
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
    crypto_sign_keypair(publicKey, secretKey);
    // Only the owner may read the secret key; an existing file is never replaced.
    const int fd = ::open(keyPath, O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        std::fprintf(stderr, "sign-release: cannot create %s: %s\n", keyPath, std::strerror(errno));
        return 1;
    }
    const std::string line = toHex(secretKey, sizeof secretKey) + "\n";
    sodium_memzero(secretKey, sizeof secretKey);
    const bool written = writeAll(fd, line.data(), line.size());
    if (::close(fd) != 0 || !written) {
        std::fprintf(stderr, "sign-release: cannot write %s\n", keyPath);
        ::unlink(keyPath);
        return 1;
    }
    std::printf("%s\n", toHex(publicKey, sizeof publicKey).c_str());
    return 0;
}

std::optional<Bytes> readSecretKey(const char* keyPath) {
    const auto text = readFile(keyPath);
    if (!text) {
        std::fprintf(stderr, "sign-release: cannot read %s\n", keyPath);
        return std::nullopt;
    }
    Bytes key(crypto_sign_SECRETKEYBYTES);
    std::size_t length = 0;
    const char* end = nullptr;
    const bool parsed = sodium_hex2bin(key.data(), key.size(), reinterpret_cast<const char*>(text->data()),
                                       text->size(), " \t\r\n", &length, &end) == 0;
    const bool rest = end != nullptr && end != reinterpret_cast<const char*>(text->data()) + text->size();
    if (!parsed || length != key.size() || rest) {
        std::fprintf(stderr, "sign-release: %s does not hold a secret key (128 hex digits)\n", keyPath);
        return std::nullopt;
    }
    return key;
}

int sign(const char* keyPath, char** files, int count) {
    auto secretKey = readSecretKey(keyPath);
    if (!secretKey) return 1;
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        const auto content = readFile(files[i]);
        if (!content) {
            std::fprintf(stderr, "sign-release: cannot read %s\n", files[i]);
            ++failures;
            continue;
        }
        unsigned char signature[crypto_sign_BYTES];
        crypto_sign_detached(signature, nullptr, content->data(), content->size(), secretKey->data());
        const std::string sigPath = std::string(files[i]) + ".sig";
        std::ofstream out(sigPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(signature), sizeof signature);
        out.close();
        if (!out) {
            std::fprintf(stderr, "sign-release: cannot write %s\n", sigPath.c_str());
            ++failures;
            continue;
        }
        std::printf("%s\n", sigPath.c_str());
    }
    sodium_memzero(secretKey->data(), secretKey->size());
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (sodium_init() < 0) {
        std::fprintf(stderr, "sign-release: libsodium cannot be initialised\n");
        return 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--generate") == 0) return generate(argv[2]);
    if (argc >= 3 && argv[1][0] != '-') return sign(argv[1], argv + 2, argc - 2);
    return usage();
}
