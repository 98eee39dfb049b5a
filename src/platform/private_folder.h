#pragma once

#include <QString>
#include <optional>

namespace vorneth::platform {

// The folder where the program keeps the files only its user may see: the editor's file and
// the running instance's lock and socket. It is "vorneth" in $XDG_RUNTIME_DIR when that names a
// folder, else "vorneth-<uid>" in the temporary folder ($TMPDIR or /tmp). Not created or checked.
QString PrivateFolderPath();

// Creates the private folder (mode 0700) when it is missing and checks it: a real folder, not a
// link, owned by this user, closed to group and others. Returns its path, or nullopt with
// `problem` saying what is wrong (another user may have planted it).
std::optional<QString> OpenPrivateFolder(QString* problem = nullptr);

}  // namespace vorneth::platform
