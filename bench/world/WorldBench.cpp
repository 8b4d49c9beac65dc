// Processor time of the map code on a large map: loading a 512 x 512 map
// with 3 layers and 300 non-player characters, drawing one frame (layers 0
// and 1, the characters in depth order, layer 2) and walking the hero for
// one frame. The CPU column is the time of the engine's own thread; the
// OpenGL driver's threads are not counted in it.

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/Tessel_Engine.h"
#include "platform/DataFile.h"
#include "world/CMap.h"
#include "world/CharacterKind.h"
#include "world/Direction.h"

namespace {

namespace fs = std::filesystem;

const int kSide = 512;
const int kLayers = 3;
const int kNpcs = 300;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value & 0xff));
    out.push_back(std::uint8_t(value >> 8));
}

// A large map: every tile of layer 0 filled, a sparse layer 1 and 2, a few
// blocked tiles, characters scattered on the free ones.
std::vector<std::uint8_t> LargeMapFile()
{
    std::mt19937 random(1234);
    std::vector<std::uint8_t> out;
    PutU16(out, kSide);
    PutU16(out, kSide);
    out.push_back(kLayers);
    for (std::uint16_t t = 1; t <= 3; ++t) {
        PutU16(out, t);
        const std::string file = "sheet" + std::to_string(t) + ".tga";
        out.insert(out.end(), file.begin(), file.end());
        out.push_back(0);
    }
    PutU16(out, 0);
    for (int i = 0; i < kNpcs; ++i) {
        PutU16(out, std::uint16_t(i + 1));
        PutU16(out, 4);
        PutU16(out, std::uint16_t(random() % kSide));
        PutU16(out, std::uint16_t(random() % kSide));
        PutU16(out, 0);
        PutU16(out, 0);
        const std::string name = "Villageois " + std::to_string(i);
        out.insert(out.end(), name.begin(), name.end());
        out.push_back(0);
    }
    PutU16(out, 0);
    for (int layer = 0; layer < kLayers; ++layer)
        for (int i = 0; i < kSide * kSide; ++i) {
            const bool filled = layer == 0 || random() % 8 == 0;
            out.push_back(filled ? std::uint8_t(layer + 1) : 0);
            out.push_back(std::uint8_t(random() % 256));
        }
    for (int i = 0; i < kSide * kSide; ++i)
        out.push_back(random() % 50 == 0 ? 0 : 1);
    for (int i = 0; i < kSide * kSide; ++i) {
        PutU16(out, random() % 100 == 0 ? 7 : 0);
        PutU16(out, 0);
    }
    PutU16(out, 1);
    return out;
}

// Writes the map once into a temporary working folder and stays there.
class MapWorkspace {
public:
    MapWorkspace()
    {
        folder = fs::temp_directory_path() / ("tessel-bench-" + std::to_string(getpid()));
        fs::create_directories(folder / "map");
        fs::current_path(folder);
        const std::vector<std::uint8_t> bytes = LargeMapFile();
        WriteDataFile("map\\large.map", bytes.data(), bytes.size());
    }
    ~MapWorkspace()
    {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(folder, ignored);
    }

private:
    fs::path folder;
};

MapWorkspace& Workspace()
{
    static MapWorkspace workspace;
    return workspace;
}

// The game's window and drawing state, without the game.
class BenchWindow : public Tessel_Engine {
public:
    BenchWindow()
    {
        open = SetVideoMode(video, 640, 480, 32, false);
        if (!open)
            return;
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glFrontFace(GL_CW);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        std::vector<std::uint8_t> pixels(64 * 64 * 4, 200);
        for (GLuint name = 1; name <= 4; ++name) {
            glBindTexture(GL_TEXTURE_2D, name);
            glTexImage2D(GL_TEXTURE_2D, 0, 4, 64, 64, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        }
    }
    bool IsOpen() const { return open; }
    void Init() override {}
    void Update(float) override {}
    void Draw() override {}
    void OnKeyDown(SDL_keysym) override {}

private:
    bool open = false;
};

// A loaded map with the hero in the middle, the view on it.
void PrepareMap(CMap& map, const std::int32_t* width, const std::int32_t* height)
{
    Workspace();
    map.LoadMap("large");
    map.SetViewSize(width, height);
    CHero& hero = map.AddHero(1, "Heros", 4);
    hero.tileX = kSide / 2;
    hero.tileY = kSide / 2;
    map.CenterOnCharacter(CharacterKind::kHero, 1);
}

void BM_LoadMap(benchmark::State& state)
{
    Workspace();
    CMap map;
    for (auto _ : state)
        benchmark::DoNotOptimize(map.LoadMap("large"));
    if (map.Width() != kSide || map.Npcs().size() != kNpcs)
        state.SkipWithError("the large map did not load");
}
BENCHMARK(BM_LoadMap)->Unit(benchmark::kMillisecond);

void BM_DrawFrame(benchmark::State& state)
{
    static BenchWindow window;
    if (!window.IsOpen()) {
        state.SkipWithError("no display for an OpenGL window; run under xvfb-run");
        return;
    }
    CMap map;
    PrepareMap(map, &window.Width(), &window.Height());
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        glColor4f(1, 1, 1, 1);
        map.DrawMapLayer(0);
        map.DrawMapLayer(1);
        map.DrawCharacters();
        map.DrawMapLayer(2);
        glFlush();
    }
    glFinish();
}
BENCHMARK(BM_DrawFrame)->Unit(benchmark::kMicrosecond);

void BM_WalkHero(benchmark::State& state)
{
    CMap map;
    PrepareMap(map, nullptr, nullptr);
    // One frame of exploration: a held arrow key moves up to 4 pixels,
    // checked against the grid and all 300 characters, then the view
    // follows. The direction turns every 64 frames so the hero stays near
    // the middle of the map.
    const int directions[] = {Direction::kRight, Direction::kDown, Direction::kLeft, Direction::kUp};
    long long frame = 0;
    for (auto _ : state) {
        map.MoveCharacter(CharacterKind::kHero, 1, directions[(frame++ / 64) % 4], 3);
        map.CenterOnCharacter(CharacterKind::kHero, 1);
    }
    benchmark::DoNotOptimize(map.ScrollX());
}
BENCHMARK(BM_WalkHero)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
