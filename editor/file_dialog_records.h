#pragma once
// The three file dialogs of the editor: the archive chooser, Export and Import.
#include <string>

#include "editor/platform.h"

namespace ringwright {

constexpr unsigned kOpenFlags = dialogflag::kFileMustExist | dialogflag::kHideReadOnly;  // 0x1004
constexpr unsigned kSaveFlags = dialogflag::kOverwritePrompt | dialogflag::kHideReadOnly;  // 0x6

inline FileDialogRecord archiveChooserRecord(WindowHandle owner) {
    return {"Longstopper GOB", "*.gob", "", "Select the file", kOpenFlags, owner};
}

inline FileDialogRecord exportRecord(const std::string& listName, WindowHandle owner) {
    return {"Longstopper field", "*.opt", listName, "Select the file", kSaveFlags, owner};
}

// The description's trailing blank is the dialog's own. A saved picture
// carries its field, so pictures are offered second.
inline FileDialogRecord importRecord(const std::string& listName, WindowHandle owner) {
    return {"Longstopper field(*.opt) ", "*.opt", listName, "Select the file", kOpenFlags, owner,
            {{"Field pictures (*.png)", "*.png"}}};
}

// A picture of the ground to share.
inline FileDialogRecord pictureRecord(const std::string& listName, WindowHandle owner) {
    return {"PNG picture", "*.png", listName, "Save the picture", kSaveFlags, owner};
}

}  // namespace ringwright
