#include "framework/window_text.h"

#include <climits>
#include <cstdlib>
#include <cstring>

void readWindowText(HWND window, char* text, size_t size) {
    if (size == 0)
        return;
    text[0] = '\0';
    int capacity = size > INT_MAX ? INT_MAX : static_cast<int>(size);
    GetWindowTextA(window, text, capacity);
    text[size - 1] = '\0';
}

void readItemText(HWND control, UINT lengthMessage, UINT textMessage, int index, char* text,
                  size_t size) {
    if (size == 0)
        return;
    text[0] = '\0';
    LRESULT length = SendMessageA(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return;
    // The item messages take no buffer size: give them room for the whole item, on the stack
    // for the usual short item, on the heap for a longer one.
    char shortItem[256];
    size_t itemSize = static_cast<size_t>(length) + 1;
    char* item =
        itemSize <= sizeof shortItem ? shortItem : static_cast<char*>(std::malloc(itemSize));
    if (item == nullptr)
        return;
    item[0] = '\0';
    LRESULT copied = SendMessageA(control, textMessage, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(item));
    if (copied >= 0) {
        size_t count = strnlen(item, itemSize);
        if (count > size - 1)
            count = size - 1;
        std::memcpy(text, item, count);
        text[count] = '\0';
    }
    if (item != shortItem)
        std::free(item);
}
