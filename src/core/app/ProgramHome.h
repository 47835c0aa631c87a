#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tav {

/// Where the program finds its shipped files and keeps the user's files.
///
/// The program directory holds the language files, the model list, `volume.ini`, the default data
/// files and the help pages. User files (`Settings.ini`, an extended `Model.dat`) are kept beside
/// them when that folder is writable, and otherwise in the user's configuration folder.
class ProgramHome {
public:
    /// A home whose shipped and user files are both in `dir`, when writable.
    explicit ProgramHome(std::filesystem::path dir);

    /// Picks the home: an explicit `--home` folder first, then the `TAV_HOME` environment
    /// variable, then the shipped files found from the running executable (SharedFolderFor).
    static ProgramHome Resolve(const std::optional<std::string>& homeOption);

    /// Where the shipped files of a program in `exeDir` are: `exeDir` itself when it holds the
    /// default language file (a build folder or a flat install), else `../share/tav-programmer`
    /// beside it when that folder exists (an installed package), else `exeDir`.
    static std::filesystem::path SharedFolderFor(const std::filesystem::path& exeDir);

    /// Folder of the shipped files.
    const std::filesystem::path& dir() const { return dir_; }
    /// Folder for files the program writes (Settings.ini, Model.dat additions).
    const std::filesystem::path& userDir() const { return userDir_; }

    /// A shipped file: the user's copy when one exists, else the program directory's.
    std::filesystem::path ShippedFile(const std::string& name) const;
    /// A file the program writes (the user folder).
    std::filesystem::path UserFile(const std::string& name) const { return userDir_ / name; }

    /// The program directory as text with a trailing separator, as file names are built from it.
    std::string DirText() const;

private:
    std::filesystem::path dir_;
    std::filesystem::path userDir_;
};

/// Folder of the running executable.
std::filesystem::path ExecutableDir();

} // namespace tav
