// A hidden message-only window that collects the messages worker threads post to it.
#pragma once

#include <windows.h>

#include <ostream>
#include <vector>

namespace nook::test {

struct PostedMessage {
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const PostedMessage& other) const {
        return wParam == other.wParam && lParam == other.lParam;
    }
};

inline std::ostream& operator<<(std::ostream& out, const PostedMessage& message) {
    return out << "(" << message.wParam << ", " << message.lParam << ")";
}

class CMessageWindow {
public:
    CMessageWindow();
    ~CMessageWindow();
    CMessageWindow(const CMessageWindow&) = delete;
    CMessageWindow& operator=(const CMessageWindow&) = delete;

    HWND Handle() const { return window_; }

    // The `message`s posted to the window, in order, gathered until one arrives with
    // `lastLParam` or `milliseconds` pass.
    std::vector<PostedMessage> CollectUntil(UINT message, LPARAM lastLParam, DWORD milliseconds);

    // The `message`s posted within `milliseconds`.
    std::vector<PostedMessage> CollectFor(UINT message, DWORD milliseconds);

private:
    HWND window_;
};

} // namespace nook::test
