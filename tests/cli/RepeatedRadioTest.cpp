// A radio named twice on the command line is a usage error, however it is named.
#include "cli/RepeatedRadio.h"

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/RadioCli.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace tav {
namespace {

namespace fs = std::filesystem;
using Radios = std::vector<std::pair<std::string, std::string>>;

class RepeatedRadioTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path device = dir / "ttyRADIO";
    fs::path other = dir / "ttyOTHER";
    fs::path link = dir / "radio-link";
    PortTable ports;
    bool hasLink = false; ///< the file system makes symbolic links (Windows may refuse them)

    /// Whether a case needs the link the file system could not make.
    bool LacksLink(const std::vector<std::string>& words) const {
        return !hasLink && std::find(words.begin(), words.end(), link.string()) != words.end();
    }

    void SetUp() override {
        test::WriteText(device, "");
        test::WriteText(other, "");
        std::error_code error;
        fs::create_symlink(device, link, error);
        hasLink = !error;
        ports.SetDevicePath(3, device.string());
        ports.SetDevicePath(4, other.string());
    }
};

TEST_F(RepeatedRadioTest, FindsTheSecondNamingOfOneRadio) {
    const std::string dotted = (dir.path() / "sub" / ".." / "ttyRADIO").string();
    const std::string missing = (dir.path() / "none").string();
    const std::string dotMissing = (dir.path() / "sub" / ".." / "none").string();
    const struct {
        const char* name;
        Radios radios;
        std::optional<std::string> repeated;
    } cases[] = {
        {"different radios", {{"--device", device.string()}, {"--device", other.string()}}, std::nullopt},
        {"ports of different devices", {{"--port", "3"}, {"--port", "4"}}, std::nullopt},
        {"the same path",
         {{"--device", device.string()}, {"--device", device.string()}},
         "--device " + device.string()},
        {"the same port in two spellings", {{"--port", "4"}, {"--port", "COM4"}}, "--port COM4"},
        {"a port and its device",
         {{"--port", "3"}, {"--device", device.string()}},
         "--device " + device.string()},
        {"a link to the device",
         {{"--device", device.string()}, {"--device", link.string()}},
         "--device " + link.string()},
        {"a path with dots",
         {{"--device", dotted}, {"--device", device.string()}},
         "--device " + device.string()},
        {"a device not there, twice",
         {{"--device", missing}, {"--device", missing + "/."}},
         "--device " + missing + "/."},
        {"the third names the first",
         {{"--device", device.string()}, {"--port", "4"}, {"--device", link.string()}},
         "--device " + link.string()},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words;
        for (const auto& radio : c.radios) {
            words.push_back(radio.second);
        }
        if (LacksLink(words)) {
            continue;
        }
        EXPECT_EQ(cli::RepeatedRadio(ports).Find(c.radios), c.repeated) << c.name;
    }
}

TEST_F(RepeatedRadioTest, RadioCommandsRefuseItAsAUsageError) {
    const fs::path home = dir / "home";
    fs::create_directories(home);
    for (const char* name : {"TAV_E.lng", "Model.dat"}) {
        fs::copy_file(fs::path(TAV_HOME_DIR) / name, home / name);
    }
    const struct {
        cli::ExitCode (*command)(cli::CliContext&);
        std::vector<std::string> args;
    } cases[] = {
        {cli::RunWrite, {"in.dat", "--device", device.string(), "--device", link.string()}},
        {cli::RunWrite,
         {"in.dat", "--device", device.string(), "--device", other.string(), "--device", device.string()}},
        {cli::RunVerify, {"in.dat", "--device", device.string(), "--device", device.string()}},
        {cli::RunRead,
         {"-o", (dir / "out.dat").string(), "--device", link.string(), "--device", device.string()}},
    };
    for (const auto& c : cases) {
        if (LacksLink(c.args)) {
            continue;
        }
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in;
        cli::CliContext context{ProgramHome(home), c.args, out, err, in, false, false};
        EXPECT_EQ(c.command(context), cli::ExitCode::Usage) << err.str();
        EXPECT_NE(err.str().find("--device " + c.args.back() + " names a radio given before"),
                  std::string::npos)
            << err.str();
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_FALSE(fs::exists(dir / "out.dat"));
}

} // namespace
} // namespace tav
