// tessel-pack: builds a playable game folder from a source folder that a
// person can edit, and turns a game folder back into sources.
//
//   tessel-pack SOURCE_DIR -o GAME_DIR     build the game folder
//   tessel-pack SOURCE_DIR --check         only report problems
//   tessel-pack SOURCE_DIR -o GAME_DIR --watch   build again on every change
//   tessel-pack --unpack GAME_DIR -o SOURCE_DIR
//
// Problems are listed on standard error as "file:line:column: error: ...",
// all of them; the exit status is 0 on success, 1 when an error was found
// (nothing is written then), 2 for a wrong command line.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

#include "lib/Diagnostics.h"
#include "lib/GameFolderUpdate.h"
#include "lib/GamePacker.h"
#include "lib/GameUnpacker.h"
#include "lib/Watcher.h"

namespace {

const int kFailed = 1;
const int kUsage = 2;

int Finish(Diagnostics& diagnostics, bool werror, bool succeeded)
{
    if (werror)
        diagnostics.PromoteWarnings();
    diagnostics.Print(std::cerr);
    return succeeded && !diagnostics.HasErrors() ? 0 : kFailed;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Builds a game folder for the Tessel engine from an editable source folder (world.json, "
                 "script sources, pictures, Tiled maps), or turns a game folder back into sources.\n\n"
                 "  tessel-pack SOURCE_DIR -o GAME_DIR\n"
                 "  tessel-pack SOURCE_DIR --check\n"
                 "  tessel-pack SOURCE_DIR -o GAME_DIR --watch\n"
                 "  tessel-pack --unpack GAME_DIR -o SOURCE_DIR\n\n"
                 "Problems are listed as file:line:column: error|warning: message. Exit status: 0 done, "
                 "1 errors found (nothing written), 2 wrong command line. The author's guide is "
                 "docs/authoring.md."};
    std::string source;
    std::string output;
    std::string unpack;
    bool check = false;
    bool werror = false;
    bool watch = false;
    app.add_option("SOURCE_DIR", source,
                   "Source folder: world.json and the script sources, pictures and maps it names");
    app.add_option("-o,--output", output,
                   "Folder to write: the game folder (wor/, map/, tsl/, tga/) or, with --unpack, the source "
                   "folder. It is written whole or not at all, and replaces an earlier one made by this tool");
    app.add_flag("--check", check, "Read and check the sources and report every problem, without writing anything");
    app.add_flag("--watch", watch,
                 "Pack again whenever a source file changes, printing the findings each time, until Ctrl+C; a pass "
                 "with errors leaves the game folder as it was");
    app.add_flag("--werror", werror, "Treat warnings as errors: any warning makes the run fail");
    app.add_option("--unpack", unpack,
                   "Game folder to turn back into sources (world.json, UTF-8 scripts, PNG pictures, Tiled maps)");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kUsage;
    }

    if (!unpack.empty()) {
        if (!source.empty() || output.empty() || check || watch) {
            std::cerr << "tessel-pack: --unpack takes a game folder and -o SOURCE_DIR, nothing else\n";
            return kUsage;
        }
        Diagnostics diagnostics;
        GameUnpacker unpacker(unpack, diagnostics);
        const bool done = unpacker.Unpack(output);
        const int status = Finish(diagnostics, werror, done);
        if (status == 0)
            std::cout << "unpacked " << unpack << " into " << output << '\n';
        return status;
    }
    if (source.empty() || (output.empty() && !check) || (check && !output.empty())) {
        std::cerr << "tessel-pack: give SOURCE_DIR and either -o GAME_DIR or --check (see --help)\n";
        return kUsage;
    }
    const auto pack = [&]() {
        Diagnostics diagnostics;
        GamePacker packer(source, diagnostics);
        bool done = packer.Build();
        if (werror)
            diagnostics.PromoteWarnings();
        // Watching, a game may be running in the folder: update it in place.
        std::size_t changed = 0;
        if (done && !diagnostics.HasErrors() && !check)
            done = watch && GameFolderUpdate::CanUpdate(output)
                       ? GameFolderUpdate::Apply(output, packer.Files(), diagnostics, changed)
                       : packer.Write(output);
        const int status = Finish(diagnostics, false, done);
        if (status == 0 && !check)
            std::cout << "packed " << source << " into " << output << " (" << packer.Files().size() << " files"
                      << (watch ? ", " + std::to_string(changed) + " changed" : std::string()) << ")" << std::endl;
        return status;
    };
    if (watch)
        return Watcher(source, output, pack, std::cout).Run();
    return pack();
}
