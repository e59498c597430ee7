#include "net/TransferSignal.h"

#include <mutex>
#include <unordered_map>
#include <utility>

namespace nook {

namespace {

struct SignalTable {
    std::mutex lock;
    std::unordered_map<DWORD_PTR, std::shared_ptr<CTransferSignal>> live;
    DWORD_PTR next = 1; // WinInet sends nothing for a context value of 0
};

// Never destroyed: WinInet's threads may still call in while the process exits.
SignalTable& Table() {
    static SignalTable* table = new SignalTable;
    return *table;
}

} // namespace

CTransferSignal::CTransferSignal(DWORD_PTR context, CKernelHandle event)
    : context_(context), event_(std::move(event)) {
    readRecord_.dwStructSize = sizeof(readRecord_);
}

std::shared_ptr<CTransferSignal> CTransferSignal::Create() {
    CKernelHandle event(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!event) return nullptr;
    SignalTable& table = Table();
    std::lock_guard<std::mutex> guard(table.lock);
    std::shared_ptr<CTransferSignal> signal(new CTransferSignal(table.next++, std::move(event)));
    table.live.emplace(signal->context_, signal);
    return signal;
}

void CALLBACK CTransferSignal::StatusCallback(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info,
                                              DWORD) {
    if (status != INTERNET_STATUS_HANDLE_CREATED && status != INTERNET_STATUS_REQUEST_COMPLETE) return;
    SignalTable& table = Table();
    std::lock_guard<std::mutex> guard(table.lock);
    auto found = table.live.find(context);
    if (found == table.live.end()) return;
    CTransferSignal& signal = *found->second;
    if (status == INTERNET_STATUS_HANDLE_CREATED) {
        signal.request_.store(
            reinterpret_cast<HINTERNET>(static_cast<INTERNET_ASYNC_RESULT*>(info)->dwResult));
        return;
    }
    signal.completionError_.store(static_cast<INTERNET_ASYNC_RESULT*>(info)->dwError);
    signal.pending_ = false;
    if (signal.retired_)
        table.live.erase(found);
    else
        SetEvent(signal.event_.Get());
}

void CTransferSignal::BeginOperation() {
    std::lock_guard<std::mutex> guard(Table().lock);
    pending_ = true;
    completionError_.store(0);
}

void CTransferSignal::CompletedAtOnce() {
    std::lock_guard<std::mutex> guard(Table().lock);
    pending_ = false;
}

void CTransferSignal::Wait() {
    WaitForSingleObject(event_.Get(), INFINITE);
}

void CTransferSignal::Wake() {
    SetEvent(event_.Get());
}

void CTransferSignal::Retire() {
    SignalTable& table = Table();
    std::lock_guard<std::mutex> guard(table.lock);
    if (pending_)
        retired_ = true;
    else
        table.live.erase(context_);
}

} // namespace nook
