// The engine's TGA reader against stb_image, on 512 x 512 pictures of 24 and
// 32 bits, uncompressed and run-length encoded, in the same run.
//
// "memory/...": both decode a file already in memory (DecodeTga against
// stbi_load_from_memory), pixel buffer allocation and release included.
// "file/...": both open and read the file as well (ReadTga against stbi_load),
// from a temporary folder that the system has cached after the first pass.
//
// Before timing, both decoders' results are compared pixel for pixel, so the
// two do the same work.

#include <benchmark/benchmark.h>
#include <stb/stb_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "BenchPicture.h"
#include "RatioReporter.h"
#include "image/TgaDecoder.h"
#include "image/TgaImage.h"
#include "platform/DataFile.h"

namespace {
struct BenchCase {
    std::string name;
    std::vector<std::uint8_t> file;
    std::string path;
};

// stb gives rows top-down, the engine bottom-up; otherwise the bytes must
// agree.
bool SameResult(const BenchCase& c)
{
    TgaImage image;
    if (DecodeTga(image, c.file.data(), c.file.size()) != TgaOk)
        return false;
    int width = 0, height = 0, components = 0;
    stbi_uc* stb = stbi_load_from_memory(c.file.data(), static_cast<int>(c.file.size()), &width,
                                         &height, &components, 0);
    bool same = stb && width == static_cast<int>(image.width) &&
                height == static_cast<int>(image.height) &&
                components == static_cast<int>(image.bytesPerPixel);
    std::size_t rowBytes = std::size_t{image.width} * image.bytesPerPixel;
    for (std::uint32_t row = 0; same && row < image.height; ++row)
        same = std::memcmp(image.pixels + row * rowBytes,
                           stb + (image.height - 1 - row) * rowBytes, rowBytes) == 0;
    stbi_image_free(stb);
    return same;
}

// How a run-length file splits into run and literal packets, to show that
// the picture exercises both.
void DescribePackets(const BenchCase& c, unsigned bytesPerPixel)
{
    std::size_t runs = 0, runPixels = 0, literals = 0, literalPixels = 0;
    std::size_t position = 18 + c.file[0];
    while (position < c.file.size()) {
        std::uint8_t packet = c.file[position++];
        std::size_t count = (packet & 0x7F) + 1u;
        if (packet & 0x80) {
            ++runs;
            runPixels += count;
            position += bytesPerPixel;
        } else {
            ++literals;
            literalPixels += count;
            position += count * bytesPerPixel;
        }
    }
    std::printf("  %zu run packets (%zu pixels), %zu literal packets (%zu pixels)\n", runs,
                runPixels, literals, literalPixels);
}

void RegisterCase(const BenchCase& c)
{
    benchmark::RegisterBenchmark(("memory/" + c.name + "/tessel").c_str(), [&c](benchmark::State& state) {
        for (auto _ : state) {
            TgaImage image;
            int code = DecodeTga(image, c.file.data(), c.file.size());
            benchmark::DoNotOptimize(code);
            benchmark::DoNotOptimize(image.pixels);
            FreeImage(image);
        }
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(c.file.size()));
    });
    benchmark::RegisterBenchmark(("memory/" + c.name + "/stb").c_str(), [&c](benchmark::State& state) {
        for (auto _ : state) {
            int width, height, components;
            stbi_uc* pixels = stbi_load_from_memory(c.file.data(), static_cast<int>(c.file.size()),
                                                    &width, &height, &components, 0);
            benchmark::DoNotOptimize(pixels);
            stbi_image_free(pixels);
        }
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(c.file.size()));
    });
    benchmark::RegisterBenchmark(("file/" + c.name + "/tessel").c_str(), [&c](benchmark::State& state) {
        for (auto _ : state) {
            TgaImage image;
            int code = ReadTga(image, c.path);
            benchmark::DoNotOptimize(code);
            benchmark::DoNotOptimize(image.pixels);
            FreeImage(image);
        }
    });
    benchmark::RegisterBenchmark(("file/" + c.name + "/stb").c_str(), [&c](benchmark::State& state) {
        for (auto _ : state) {
            int width, height, components;
            stbi_uc* pixels = stbi_load(c.path.c_str(), &width, &height, &components, 0);
            benchmark::DoNotOptimize(pixels);
            stbi_image_free(pixels);
        }
    });
}
}  // namespace

int main(int argc, char** argv)
{
    char folderTemplate[] = "/tmp/bench_tga_XXXXXX";
    const char* folder = mkdtemp(folderTemplate);
    if (!folder) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }

    BenchPicture picture = BenchPicture::TileSheet();
    std::vector<BenchCase> cases;
    for (unsigned depth : {24u, 32u})
        for (bool runLength : {false, true}) {
            BenchCase c;
            c.name = (runLength ? "rle" : "raw") + std::to_string(depth);
            c.file = picture.EncodeTga(depth, runLength);
            c.path = std::string(folder) + "/" + c.name + ".tga";
            cases.push_back(std::move(c));
        }

    int status = 0;
    for (const BenchCase& c : cases) {
        if (!WriteDataFile(c.path, c.file.data(), c.file.size()) || !SameResult(c)) {
            std::fprintf(stderr, "%s: the two decoders disagree or the file cannot be written\n",
                         c.name.c_str());
            status = 1;
        }
        std::printf("%s: %zu bytes in the file\n", c.name.c_str(), c.file.size());
        if (c.file[2] == 10)
            DescribePackets(c, c.file[16] / 8u);
    }

    if (status == 0) {
        for (const BenchCase& c : cases)
            RegisterCase(c);
        benchmark::Initialize(&argc, argv);
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        reporter.PrintRatios();
        benchmark::Shutdown();
    }
    for (const BenchCase& c : cases)
        std::remove(c.path.c_str());
    rmdir(folder);
    return status;
}
