// Deciphering throughput of the file cipher, beside the GOST engine of OpenSSL
// (gost89-cbc through EVP) on the same amount of data, and a whole 64 KB file read.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <benchmark/benchmark.h>
#include <openssl/engine.h>
#include <openssl/evp.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "CryptoWriter.h"
#include "crypto/CryptoFile.h"
#include "crypto/FileCipher.h"

using namespace travo;

namespace {

constexpr size_t kBytes = 64 * 1024;
const std::string kKey = "0123456789abcdefghijklmnopqrstuv";

void BM_DecipherBlock(benchmark::State& state) {
    FileCipher cipher;
    cipher.SetCipherKey(kKey);
    std::vector<std::uint8_t> data(kBytes, 0x5A);
    for (auto _ : state) {
        for (size_t i = 0; i < data.size(); i += 8) cipher.DecipherBlock(&data[i]);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
}
BENCHMARK(BM_DecipherBlock);

void BM_DecipherBlocks(benchmark::State& state) {
    FileCipher cipher;
    cipher.SetCipherKey(kKey);
    std::vector<std::uint8_t> data(kBytes, 0x5A);
    for (auto _ : state) {
        cipher.DecipherBlocks(data.data(), data.size() / 8);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
}
BENCHMARK(BM_DecipherBlocks);

void BM_OpenSslGost89Cbc(benchmark::State& state) {
    ENGINE_load_builtin_engines();
    ENGINE* engine = ENGINE_by_id("gost");
    if (!engine || !ENGINE_init(engine)) {
        state.SkipWithError("the OpenSSL GOST engine is not installed");
        return;
    }
    ENGINE_set_default(engine, ENGINE_METHOD_ALL);
    const EVP_CIPHER* cipher = EVP_get_cipherbyname("gost89-cbc");
    if (!cipher) {
        state.SkipWithError("gost89-cbc is not available");
        return;
    }
    std::vector<unsigned char> in(kBytes, 0x5A), out(kBytes + 64);
    const unsigned char iv[8] = {};
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    for (auto _ : state) {
        int n = 0;
        EVP_DecryptInit_ex(ctx, cipher, engine, reinterpret_cast<const unsigned char*>(kKey.data()),
                           iv);
        EVP_CIPHER_CTX_set_padding(ctx, 0);
        EVP_DecryptUpdate(ctx, out.data(), &n, in.data(), static_cast<int>(in.size()));
        benchmark::DoNotOptimize(out.data());
    }
    EVP_CIPHER_CTX_free(ctx);
    ENGINE_finish(engine);
    ENGINE_free(engine);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
}
BENCHMARK(BM_OpenSslGost89Cbc);

void BM_ReadCryptoFile64K(benchmark::State& state) {
    test::CryptoFileSpec spec;
    spec.keyText = kKey;
    spec.payload = std::string(64000 - 100, 'c');
    const auto path = std::filesystem::temp_directory_path() / "travo-bench-64k.cry";
    std::ofstream(path, std::ios::binary) << test::MakeCryptoFile(spec);
    const std::string key = ExpandKeyText(kKey);
    for (auto _ : state) {
        CryptoResult r = LoadCryptoFile(path.string(), key);
        if (r.code != CryptoRead) state.SkipWithError("the file did not read");
        benchmark::DoNotOptimize(r.payload.data());
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 64000));
}
BENCHMARK(BM_ReadCryptoFile64K);

} // namespace

BENCHMARK_MAIN();
