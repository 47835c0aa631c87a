#pragma once

// Helpers for running tavctl's radio commands in-process against a simulated radio, with a clock
// that skips the link's fixed pauses (the read time-outs stay real).

#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/RadioCli.h"
#include "core/comm/Clock.h"
#include "core/data/CDataFile.h"
#include "sim/RadioSimulator.h"
#include "support/ManualClock.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>

namespace tav::test {

namespace fs = std::filesystem;

struct CliRun {
    cli::ExitCode code = cli::ExitCode::Failure;
    std::string out;
    std::string err;
};

/// A simulated radio of the first shipped model (TAV-V300, "TAV 310", 136-174 MHz).
inline sim::SimulatorConfig V300Radio(const RadioImage& memory) {
    sim::SimulatorConfig config;
    config.memory = memory;
    config.modelId = "TAV-V300";
    config.modelName = "TAV 310";
    config.band = sim::SimulatorConfig::BandBytes(136, 174, 0x80);
    return config;
}

/// A program directory of its own with the shipped files, a work folder beside it, and the radio
/// commands run in-process.
class RadioCliTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path home = dir / "home";
    fs::path work = dir / "work";
    /// The radio history of the commands run here (beside the test's folder, so that Files()
    /// shows only what the commands were asked to write).
    TempDir historyDir;
    FixedHistoryFolder historyFolder{historyDir / "history"};
    /// The history folder the commands are given (a test may put another in place).
    const HistoryFolder* historyIn = &historyFolder;
    ManualClock clock;
    /// What the user types, and whether the commands see a terminal.
    std::string input;
    bool terminal = false;
    bool errorTerminal = false;

    void SetUp() override {
        fs::create_directories(home);
        fs::create_directories(work);
        for (const char* name : {"TAV_E.lng", "Model.dat", "volume.ini"}) {
            fs::copy_file(fs::path(TAV_HOME_DIR) / name, home / name);
        }
        clock.SetLocalNow({2024, 3, 9, 14, 5, 59});
    }

    /// Runs a command with a session of its own, or with the given one.
    template <class Command>
    CliRun Run(Command command, std::vector<std::string> args, DocumentSession* session = nullptr) {
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in(input);
        cli::CliContext context{ProgramHome(home), std::move(args), out, err, in, terminal, errorTerminal};
        context.historyFolder = historyIn;
        CliRun run;
        if (session != nullptr) {
            run.code = command(context, *session, clock);
        } else {
            DocumentSession own(context.home, DocumentSession::SettingsOnExit::Discard, *historyIn);
            run.code = command(context, own, clock);
        }
        run.out = out.str();
        run.err = err.str();
        return run;
    }
    CliRun Read(std::vector<std::string> args, DocumentSession* session = nullptr) {
        return Run([](auto& c, auto& s, auto& k) { return cli::RunRead(c, s, k); }, std::move(args), session);
    }
    CliRun Write(std::vector<std::string> args, DocumentSession* session = nullptr) {
        return Run([](auto& c, auto& s, auto& k) { return cli::RunWrite(c, s, k); }, std::move(args),
                   session);
    }
    CliRun Verify(std::vector<std::string> args) {
        return Run([](auto& c, auto& s, auto& k) { return cli::RunVerify(c, s, k); }, std::move(args));
    }
    CliRun History(std::vector<std::string> args) {
        return Run([](auto& c, auto& s, auto& k) { return cli::RunHistory(c, s, k); }, std::move(args));
    }
    CliRun Audit(std::vector<std::string> args) {
        return Run([](auto& c, auto& s, auto& k) { return cli::RunAudit(c, s, k); }, std::move(args));
    }
    /// The history these commands keep, as they see it.
    RadioHistory KeptHistory() const { return RadioHistory(historyFolder, SystemUtcClock::Instance()); }

    /// The commands a stopped write printed for the user, each as the words after "tavctl" (and
    /// its "--home DIR"), in the order printed.
    static std::vector<std::vector<std::string>> PrintedCommands(const std::string& err) {
        std::vector<std::vector<std::string>> commands;
        std::istringstream lines(err);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("  tavctl ", 0) != 0) {
                continue;
            }
            std::vector<std::string> words = ShellWords(line.substr(2));
            words.erase(words.begin());
            if (words.size() >= 2 && words[0] == "--home") {
                words.erase(words.begin(), words.begin() + 2);
            }
            commands.push_back(std::move(words));
        }
        return commands;
    }

    /// Runs a command as printed (`history ...` or `write ...`).
    CliRun RunPrinted(const std::vector<std::string>& words) {
        const std::vector<std::string> args(words.begin() + 1, words.end());
        return words.front() == "history" ? History(args) : Write(args);
    }

    /// Words as a POSIX shell splits them: blanks between, '...' quoting, \' inside it.
    static std::vector<std::string> ShellWords(const std::string& text) {
        std::vector<std::string> words;
        std::string word;
        bool inWord = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == ' ') {
                if (inWord) {
                    words.push_back(word);
                    word.clear();
                    inWord = false;
                }
            } else if (c == '\'') {
                const std::size_t end = text.find('\'', i + 1);
                word += text.substr(i + 1, end - i - 1);
                i = end;
                inWord = true;
            } else if (c == '\\' && i + 1 < text.size()) {
                word += text[++i];
                inWord = true;
            } else {
                word += c;
                inWord = true;
            }
        }
        if (inWord) {
            words.push_back(word);
        }
        return words;
    }

    /// A data file with the defaults of the TAV-V300 for a range, made as `tavctl new` makes it and
    /// opened and saved once more, so that opening it and rebuilding its image changes no byte.
    fs::path NewDataFile(const std::string& name, const std::string& range = "136-174",
                         const std::string& modelId = "TAV-V300", const std::string& modelName = "TAV 310") {
        const fs::path made = work / ("new-" + name);
        const fs::path file = work / name;
        EXPECT_EQ(RunTool(cli::RunNew, {"-o", made.string(), "--model-id", modelId, "--model-name", modelName,
                                        "--range", range}),
                  "");
        EXPECT_EQ(RunTool(cli::RunNormalize, {made.string(), "-o", file.string()}), "");
        fs::remove(made);
        return file;
    }

    /// Runs another command of tavctl; its stderr.
    std::string RunTool(cli::ExitCode (*command)(cli::CliContext&), std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in;
        cli::CliContext context{ProgramHome(home), std::move(args), out, err, in, false, false};
        EXPECT_EQ(command(context), cli::ExitCode::Success) << err.str();
        return err.str();
    }

    static DataFileContent LoadData(const fs::path& file) {
        DataFileContent content;
        EXPECT_TRUE(CDataFile::Load(file, content).ok()) << file;
        return content;
    }

    /// Every file below the test's folder with its bytes.
    std::map<fs::path, std::vector<std::uint8_t>> Files() const {
        std::map<fs::path, std::vector<std::uint8_t>> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
            if (entry.is_regular_file()) {
                files[entry.path()] = ReadBytes(entry.path());
            }
        }
        return files;
    }

    void WriteSettings(const std::string& text) { WriteText(home / "Settings.ini", text); }
};

/// The lines of a command's output.
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

/// A started simulator.
inline std::unique_ptr<sim::RadioSimulator> StartRadio(sim::SimulatorConfig config) {
    auto radio = std::make_unique<sim::RadioSimulator>(std::move(config));
    const Result started = radio->Start();
    EXPECT_TRUE(started.ok()) << started.detail();
    return radio;
}

/// The requests of one kind in a trace file, as the trace describes them ("0200+32").
inline std::vector<std::string> TracedRequests(const fs::path& trace, const std::string& command) {
    std::vector<std::string> found;
    std::istringstream lines(ReadText(trace));
    const std::string marker = "  " + command + " ";
    for (std::string line; std::getline(lines, line);) {
        const auto at = line.find(marker);
        if (line.find(" TX ") != std::string::npos && at != std::string::npos) {
            found.push_back(line.substr(at + marker.size()));
        }
    }
    return found;
}

inline std::vector<std::string> PlanText(const BlockPlan& plan) {
    std::vector<std::string> text;
    for (const TransferBlock& b : plan) {
        char item[16];
        std::snprintf(item, sizeof item, "%04X+%u", b.address, static_cast<unsigned>(b.length));
        text.push_back(item);
    }
    return text;
}

/// Puts a serial number into a radio's memory (radio information, 0x48).
inline RadioImage WithSerial(RadioImage memory, const std::string& serial) {
    std::fill_n(memory.begin() + 0x48, 16, 0);
    std::copy(serial.begin(), serial.end(), memory.begin() + 0x48);
    return memory;
}

/// A memory image whose bytes tell their address apart.
inline RadioImage PatternMemory(std::uint8_t salt) {
    RadioImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>((i * 7 + (i >> 8) + salt) & 0xFF);
    }
    return image;
}

} // namespace tav::test
