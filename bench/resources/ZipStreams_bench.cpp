// Opening one member of a zip archive through the "zip::" scheme, as a reader of a Brix file or
// an asset inside an archive does: the archive's directory is read, the member located, inflated
// (216 KB of text from 1 KB) and checked, and the archive closed again. Also the same member from
// an archive with a password, which is decrypted and inflated by our own code.
#include "resources/ZipStreams.hpp"

#include <benchmark/benchmark.h>
#include <string>

namespace tarvex {
namespace {

void OpenZipMember(benchmark::State& state, const std::string& url) {
    registerZipStreams();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto stream = platform::openStream(url);
        if (!stream) {
            state.SkipWithError(("cannot open " + url).c_str());
            return;
        }
        bytes += static_cast<std::size_t>(stream->size());
        benchmark::DoNotOptimize(stream.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

BENCHMARK_CAPTURE(OpenZipMember, plain_216KB, "zip::" TARVEX_ZIP_DATA "/pack.zip://lines.txt");
BENCHMARK_CAPTURE(OpenZipMember, small_definition,
                  "zip::" TARVEX_ZIP_DATA "/pack.zip://levels/resources.brix");
BENCHMARK_CAPTURE(OpenZipMember, password_definition,
                  "zip::secret@" TARVEX_ZIP_DATA "/secret.zip://levels/resources.brix");

} // namespace
} // namespace tarvex
