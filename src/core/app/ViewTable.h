#pragma once

#include <span>

namespace tav {

/// View identifiers of the editors. A view identifier is also the command that opens the editor
/// and the data of its navigation tree item.
namespace ViewIds {
inline constexpr int kRadio = 32800;
inline constexpr int kKeys = 32802;
inline constexpr int kMisc = 32803;
inline constexpr int kPassword = 32813;
inline constexpr int kAtis = 32816;
inline constexpr int kPttId = 32817;
inline constexpr int kDos = 32818;
inline constexpr int kAlertTone = 32889;
inline constexpr int kChannel = 32822;
inline constexpr int kChannelList = 32895;
inline constexpr int kPersonality = 32824;
inline constexpr int kTwoToneSystem = 32849;
inline constexpr int kTwoToneCall = 32851;
inline constexpr int kScan = 32884;
inline constexpr int kEmbedded = 32886;
inline constexpr int kTestFreq = 32887;
inline constexpr int kChangeLog = 32888;
} // namespace ViewIds

/// One editor the program can open.
struct ViewInfo {
    int viewId = 0;
    const char* className = "";
    /// The largest number of records the editor edits; 0 for an editor of a single block.
    int capacity = 0;
};

/// The editors of the program, and the commands of the Edit menu that open them.
class ViewTable {
public:
    /// First and last command of the editor group.
    static constexpr int kFirstEditorCommand = 32800;
    static constexpr int kLastEditorCommand = 32950;

    /// Every editor, in table order.
    static std::span<const ViewInfo> Views();
    /// The editor with that view identifier; nullptr when there is none.
    static const ViewInfo* Find(int viewId);

    /// Whether a command belongs to the editor group.
    static bool IsEditorCommand(int commandId) {
        return commandId >= kFirstEditorCommand && commandId <= kLastEditorCommand;
    }
    /// The view identifier an Edit-menu command opens. Folder commands open the editor below
    /// them: 32806 opens the alert tones, 32890 and 32892 the next identifier, and the ids from
    /// 32819 to 32884 the next one except 32858 and 32864; every other id opens itself.
    static int MapEditorCommand(int commandId);
};

} // namespace tav
