#include "sitelists/list_backup.h"

#include "common/data_lock.h"
#include "sitelists/file_set.h"
#include "sitelists/list_files.h"
#include "sitelists/sitelist_messages.h"

namespace sg {

namespace msg = sitelist_messages;

ListResult<std::vector<std::string>> backUpSiteLists(const std::filesystem::path& userDataDir)
{
    using Result = ListResult<std::vector<std::string>>;
    const DataLock lock(userDataDir);
    if (!lock)
        return Result::notDone(ListStatus::Failed, lock.message());
    const std::filesystem::path source = siteListsDir(userDataDir);
    const auto names = fileSetNames(source);
    if (!names)
        return Result::notDone(ListStatus::Failed, msg::kBackUpError);
    if (names->empty())
        return Result::notDone(ListStatus::Refused, msg::kNothingToBackUp);
    if (!replaceFileSet(source, userDataDir / kBackupDirName, *names))
        return Result::notDone(ListStatus::Failed, msg::kBackUpError);
    return Result::done(*names);
}

} // namespace sg
