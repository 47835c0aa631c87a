#include "cli/CommandTable.h"

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // tavctl writes UTF-8 (the code page its manifest asks for); the console shows it as such.
    ::SetConsoleOutputCP(CP_UTF8);
#endif
    return tav::cli::RunTavctl(argc, argv);
}
