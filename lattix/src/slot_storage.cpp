// The emergency reserve, the out-of-memory message, and array allocation.
#include "slot_storage.h"

#include <cstdlib>
#include <cstring>

#include "platform/heap.h"
#include "platform/message_box.h"

namespace lattix {
namespace {

double* reserve = nullptr;

// Taken when the library is loaded into a process, released when it unloads.
// Without a reserve the library cannot honour its out-of-memory promise, so a
// process that cannot spare 40000 bytes at start-up does not start.
struct ReserveLifetime {
    ReserveLifetime() {
        reserve = static_cast<double*>(platformHeapAlloc(kReserveSlots * sizeof(double)));
        if (reserve == nullptr) {
            showOutOfMemory();
            std::_Exit(EXIT_FAILURE);
        }
    }
    ~ReserveLifetime() {
        platformHeapFree(reserve);
        reserve = nullptr;
    }
};
ReserveLifetime reserveLifetime;

// Records for the case where even a 32-byte record cannot be had.
constexpr int kPoolRecords = 16;
Matrix recordPool[kPoolRecords];
bool recordInUse[kPoolRecords];

int poolIndex(const Matrix* m) {
    if (m < recordPool || m >= recordPool + kPoolRecords) return -1;
    return static_cast<int>(m - recordPool);
}

}  // namespace

void showOutOfMemory() {
    platformMessageBox(nullptr, u"Out of memory.\nQuit Orvana immediately!", u"Orvana",
                       PLATFORM_MB_OK | PLATFORM_MB_ICONSTOP | PLATFORM_MB_SETFOREGROUND);
}

double* allocateSlots(size_t count, bool zeroed) {
    if (count == 0) return nullptr;
    void* block = nullptr;
    if (count <= SIZE_MAX / sizeof(double)) {
        block = zeroed ? platformHeapAllocZeroed(count * sizeof(double))
                       : platformHeapAlloc(count * sizeof(double));
    }
    if (block != nullptr) return static_cast<double*>(block);
    showOutOfMemory();
    return count <= kReserveSlots ? reserve : nullptr;
}

void releaseSlots(double* slots) {
    if (slots != nullptr && slots != reserve) platformHeapFree(slots);
}

bool isReserve(const double* slots) { return slots != nullptr && slots == reserve; }

void makeEmpty(Matrix* m) {
    releaseSlots(m->re);
    releaseSlots(m->im);
    m->re = m->im = nullptr;
    m->rows = m->cols = 0;
    m->kind = LATTIX_KIND_EMPTY;
    m->capacity = 0;
}

bool reallocateArrays(Matrix* m, size_t count, bool zeroed, size_t keepSlots) {
    if (count == 0) {
        makeEmpty(m);
        return true;
    }
    // Both arrays are asked for before the message is shown, so one failure
    // shows one message.
    void* re = platformHeapAlloc(count * sizeof(double));
    void* im = re != nullptr ? platformHeapAlloc(count * sizeof(double)) : nullptr;
    double* newRe = static_cast<double*>(re);
    double* newIm = static_cast<double*>(im);
    if (newRe == nullptr || newIm == nullptr) {
        platformHeapFree(re);
        showOutOfMemory();
        if (count > kReserveSlots) {
            makeEmpty(m);
            return false;
        }
        newRe = newIm = reserve;
    }
    if (keepSlots > count) keepSlots = count;
    // The old arrays may themselves be the reserve; copying within it is a
    // no-op on meaningless data, so memmove keeps it defined.
    if (keepSlots > 0 && m->re != nullptr) std::memmove(newRe, m->re, keepSlots * sizeof(double));
    if (keepSlots > 0 && m->im != nullptr) std::memmove(newIm, m->im, keepSlots * sizeof(double));
    if (zeroed) {
        std::memset(newRe + keepSlots, 0, (count - keepSlots) * sizeof(double));
        std::memset(newIm + keepSlots, 0, (count - keepSlots) * sizeof(double));
    }
    releaseSlots(m->re);
    releaseSlots(m->im);
    m->re = newRe;
    m->im = newIm;
    m->capacity = static_cast<uint16_t>(count);
    return true;
}

Matrix* allocateRecord() {
    auto* m = static_cast<Matrix*>(platformHeapAllocZeroed(sizeof(Matrix)));
    if (m != nullptr) return m;
    showOutOfMemory();
    for (int i = 0; i < kPoolRecords; ++i) {
        if (!recordInUse[i]) {
            recordInUse[i] = true;
            recordPool[i] = Matrix{};
            return &recordPool[i];
        }
    }
    return nullptr;
}

void releaseRecord(Matrix* m) {
    int index = poolIndex(m);
    if (index >= 0)
        recordInUse[index] = false;
    else
        platformHeapFree(m);
}

size_t stringLength(const Matrix* m) {
    if (m->re == nullptr) return 0;
    const auto* text = reinterpret_cast<const char16_t*>(m->re);
    // Other values may have overwritten a string built on the reserve, its
    // terminator included; the scan must not leave the reserve.
    const size_t limit = isReserve(m->re) ? kReserveSlots * 4 - 1 : SIZE_MAX;
    size_t n = 0;
    while (n < limit && text[n] != 0) ++n;
    return n;
}

}  // namespace lattix
