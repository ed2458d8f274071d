#include "core/DefaultFiles.h"

#include "core/DataFiles.h"

namespace vellaro {

DefaultFileRead readOrCreate(const DataFiles& files, const DefaultFile& file,
                             const std::function<void(const QString&)>& announce) {
    using Outcome = DefaultFileRead::Outcome;
    auto r = files.readLines(file.name);
    if (r.ok()) {
        return {Outcome::Read, r.lines};
    }
    if (!r.missing()) {
        return {Outcome::Unreadable, {}};
    }
    if (!files.replaceFile(file.name, file.lines)) {
        return {Outcome::NotCreated, {}};
    }
    if (announce) {
        announce(file.createdMessage);
    }
    return {Outcome::Created, {}};
}

} // namespace vellaro
