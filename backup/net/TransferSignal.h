// What WinInet's status callback reaches while a fetch runs, and after it has ended.
//
// WinInet reports on threads of its own, and a read still pending when its handle is
// closed may complete later (under Wine it goes on until the server sends more), writing
// into the buffer it was given. So the callback's context value is not the fetcher but a
// serial number, looked up in a process-wide table, and the table keeps the signal (the
// completion event, the reported request handle and the read buffer) alive until the
// fetch has let go of it and no operation it started is outstanding. A notification for a
// number no longer in the table is dropped. The table's lock is never held across a
// WinInet call, only around the lookup, an event signal and bookkeeping.
#pragma once

#include "framework/KernelHandle.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <memory>

namespace nook {

class CTransferSignal {
public:
    static constexpr DWORD kReadSize = 4096;

    // Registers a new signal; null when no event can be created.
    static std::shared_ptr<CTransferSignal> Create();
    CTransferSignal(const CTransferSignal&) = delete;
    CTransferSignal& operator=(const CTransferSignal&) = delete;

    // The context value to hand to WinInet for this fetch.
    DWORD_PTR Context() const { return context_; }
    static void CALLBACK StatusCallback(HINTERNET handle, DWORD_PTR context, DWORD status, LPVOID info,
                                        DWORD infoLength);

    // Brackets a WinInet call that may complete later: Begin before the call, and
    // CompletedAtOnce when the call did not answer ERROR_IO_PENDING (no notification follows).
    void BeginOperation();
    void CompletedAtOnce();

    // Sleeps until an operation completes or Wake is called.
    void Wait();
    // The error the last completed operation carried (0 for success).
    DWORD CompletionError() const { return completionError_.load(); }
    void Wake();

    // The handle of the last INTERNET_STATUS_HANDLE_CREATED, or null.
    HINTERNET Request() const { return request_.load(); }

    // The read buffer (one byte more than kReadSize for a terminating zero) and the
    // record WinInet fills with the count, both valid as long as a read may be pending.
    char* Buffer() { return buffer_; }
    INTERNET_BUFFERSA& ReadRecord() { return readRecord_; }

    // The fetch is done with the signal: it leaves the table now, or when the operation
    // still outstanding completes.
    void Retire();

private:
    CTransferSignal(DWORD_PTR context, CKernelHandle event);

    const DWORD_PTR context_;
    const CKernelHandle event_; // auto-reset
    std::atomic<HINTERNET> request_{nullptr};
    std::atomic<DWORD> completionError_{0};
    bool pending_ = false; // guarded by the table lock
    bool retired_ = false; // guarded by the table lock
    INTERNET_BUFFERSA readRecord_{};
    char buffer_[kReadSize + 1]{};
};

} // namespace nook
