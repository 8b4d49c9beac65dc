// Under the leak checker only. The software OpenGL driver is unloaded when
// the last window closes at exit; what it never freed is then reported
// against an unknown module, which no suppression can name. Loading it once
// more, never to be unloaded, keeps its name on its own allocations so that
// scripts/lsan-gl-driver.supp can leave them out (and only them).
#if defined(__SANITIZE_ADDRESS__)

#include <dlfcn.h>

#include <cstdlib>
#include <string>

namespace {
struct KeepGlDriverLoaded {
    KeepGlDriverLoaded()
    {
        std::string folders = "/usr/lib/x86_64-linux-gnu/dri:/usr/lib/aarch64-linux-gnu/dri:/usr/lib/dri";
        if (const char* custom = std::getenv("LIBGL_DRIVERS_PATH"))
            folders = std::string(custom) + ":" + folders;
        size_t start = 0;
        while (start <= folders.size()) {
            size_t end = folders.find(':', start);
            if (end == std::string::npos)
                end = folders.size();
            std::string path = folders.substr(start, end - start) + "/swrast_dri.so";
            if (dlopen(path.c_str(), RTLD_LAZY | RTLD_NODELETE))
                return;
            start = end + 1;
        }
    }
} keepGlDriverLoaded;
}  // namespace

#endif
