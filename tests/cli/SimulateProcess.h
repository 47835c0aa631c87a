#pragma once

#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tav::test {

/// `tavctl simulate` as a child process; the first line of its output is the device path.
class SimulateProcess {
public:
    explicit SimulateProcess(std::vector<std::string> args) {
        int out[2];
        EXPECT_EQ(pipe(out), 0);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv;
            std::string program = TAVCTL_PATH;
            std::string command = "simulate";
            argv.push_back(program.data());
            argv.push_back(command.data());
            for (auto& a : args) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        out_ = out[0];
    }
    ~SimulateProcess() {
        if (pid_ > 0) {
            Stop();
        }
        close(out_);
    }
    std::string FirstLine() {
        std::string line;
        char c = 0;
        while (true) {
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, 5000) <= 0 || read(out_, &c, 1) != 1 || c == '\n') {
                break;
            }
            line += c;
        }
        return line;
    }
    int Stop() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

} // namespace tav::test
