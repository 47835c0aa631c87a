#pragma once

#include "support/TestSupport.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tav::test {

/// What one run of a program gave back.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// One argument as the shell (cmd.exe on Windows) passes it on unchanged.
inline std::string Quote(const std::string& s) {
#ifdef _WIN32
    std::string q = "\"";
    for (char c : s) {
        q += c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return q + "\"";
#else
    std::string q = "'";
    for (char c : s) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
#endif
}

/// The program's path as the shell finds it.
inline std::string ProgramText(const std::filesystem::path& program) {
    return std::filesystem::path(program).make_preferred().string();
}

/// Runs `command` (already quoted, with its arguments) through the shell with no input and its
/// standard error going to `errFile`; the exit status, standard output and standard error.
inline ToolRun RunCommand(std::string command, const std::filesystem::path& errFile) {
    std::filesystem::remove(errFile);
#ifdef _WIN32
    // cmd /c drops the outermost quotes of its line: a pair of its own keeps the program's.
    std::string line(1, '"');
    line.append(command).append(" 2>").append(Quote(ProgramText(errFile))).append(" <NUL\"");
    FILE* pipe = ::_popen(line.c_str(), "rb");
#else
    command += " 2>" + Quote(errFile.string()) + " </dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
#endif
    ToolRun run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
#ifdef _WIN32
    run.status = ::_pclose(pipe);
#else
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    run.err = ReadText(errFile);
#ifdef _WIN32
    // Text written to a Windows console, pipe or redirected file ends its lines in CR LF.
    for (std::string* text : {&run.out, &run.err}) {
        for (std::size_t at = text->find("\r\n"); at != std::string::npos; at = text->find("\r\n", at)) {
            text->erase(at, 1);
        }
    }
#endif
    return run;
}

} // namespace tav::test
