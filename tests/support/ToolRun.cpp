#include "support/ToolRun.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
}

ToolRun ToolRun::Of(const std::string& name, const std::string& arguments, const TempDir& dir)
{
    ToolRun run;
    const std::string tool = std::string(TESSEL_TOOLS_DIR) + "/" + name;
    if (!std::filesystem::exists(tool)) {
        ADD_FAILURE() << tool << " is missing: build the tools first";
        return run;
    }
    const std::string outPath = dir.File(".tool-stdout");
    const std::string errPath = dir.File(".tool-stderr");
    const std::string command = "cd '" + dir.Path() + "' && '" + tool + "' " + arguments + " >'" +
                                outPath + "' 2>'" + errPath + "'";
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadText(outPath);
    run.err = ReadText(errPath);
    return run;
}
