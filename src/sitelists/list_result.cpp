#include "sitelists/list_result.h"

namespace sg {

std::ostream& operator<<(std::ostream& out, ListStatus status)
{
    switch (status) {
    case ListStatus::Done:
        return out << "Done";
    case ListStatus::Ignored:
        return out << "Ignored";
    case ListStatus::NotFound:
        return out << "NotFound";
    case ListStatus::Refused:
        return out << "Refused";
    case ListStatus::Failed:
        return out << "Failed";
    }
    return out << "ListStatus(" << static_cast<int>(status) << ")";
}

} // namespace sg
