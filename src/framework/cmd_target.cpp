#include "framework/cmd_target.h"

namespace {

const AfxMessageMapEntry kNoEntries[] = {{0, 0, 0, nullptr, nullptr}};

} // namespace

const AfxMessageMap* CCmdTarget::GetThisMessageMap() {
    static const AfxMessageMap map = {nullptr, kNoEntries};
    return &map;
}

const AfxMessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const AfxMessageMapEntry* entry = FindEntry(WM_COMMAND, code, id);
    if (entry == nullptr)
        return FALSE;
    (this->*entry->onCommand)();
    return TRUE;
}

const AfxMessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
    for (const AfxMessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base != nullptr ? map->base() : nullptr) {
        for (const AfxMessageMapEntry* entry = map->entries; entry->message != 0; ++entry) {
            if (entry->message == message && entry->code == code && entry->id == id)
                return entry;
        }
    }
    return nullptr;
}
