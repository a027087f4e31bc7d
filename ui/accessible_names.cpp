#include "ui/accessible_names.h"

#include "core/messages.h"

namespace dirnal::ui {

namespace {

namespace m = messages;

struct Row {
    std::string_view control;
    AccessibleText text;
};

// `cmd_DOS` is named by the window, as its caption changes. On Linux Qt names
// a drive selector by the drive it shows; its description says what it is.
constexpr Row kTexts[] = {
    {"img_ok", {m::kNamePathExists}},
    {"img_pathnotvalid", {m::kNamePathMissing}},
    {"List1", {m::kNamePathList}},
    {"Frame3", {m::kNameToolArea}},
    {"lbl_suchstartpos", {nullptr, m::kAboutStartPosition}},
    {"txt_einzelpfad", {m::kNameSinglePath}},
    {"img_putin", {m::kNameAddPath}},
    {"cmd_del", {m::kNameDeleteSelected}},
    {"cmd_vista", {m::kNameToggleQuotes}},
    {"cmd_DirtoUNC", {m::kNameToNetworkShares}},
    {"cmd_UNCtoDir", {m::kNameToDriveLetters}},
    {"cmd_selshow", {m::kNameShowFindArea}},
    {"img_Exit", {m::kNameExit}},
    {"lblStatus", {nullptr, m::kAboutStatus}},
    {"lblnumber", {nullptr, m::kAboutEntryNumber}},
    {"lbl_file", {nullptr, m::kAboutListFile}},
    {"cmd_deletethis", {m::kNameSelectFound}},
    {"Drive1", {m::kNameStartDrive, m::kNameStartDrive}},
    {"Dir1", {m::kNameStartFolders}},
    {"cmd_okstartpos", {m::kNameConfirmStartPosition}},
    {"lbl_exitstart", {m::kNameCloseStartPanel}},
    {"lbl_X", {m::kNameCloseListFilePanel}},
    {"Drive_file", {m::kNameListFileDrive, m::kNameListFileDrive}},
    {"Dir_file", {m::kNameListFileFolders}},
    {"File_file", {m::kNameListFile}},
};

}  // namespace

AccessibleText accessibleTextOf(std::string_view control)
{
    for (const Row& row : kTexts)
        if (row.control == control)
            return row.text;
    return {};
}

}  // namespace dirnal::ui
