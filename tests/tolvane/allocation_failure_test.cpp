// Exhausted memory at any point of a read or a save releases the handle and
// goes no further than the native method's boundary.
//
// This test program replaces the global operator new (all its forms) with
// one whose throwing forms can be told to fail at their n-th call; every n is
// tried until the operation runs to its end without reaching the failure.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "boundary.h"
#include "srtf_test_util.h"

namespace {
long g_allocationsLeft = -1;  // allocations before the one that fails; -1: none fails
bool g_failed = false;

void FailAllocationNumber(long n) {
    g_failed = false;
    g_allocationsLeft = n;
}
void StopFailing() { g_allocationsLeft = -1; }
}  // namespace

void* operator new(std::size_t size) {
    if (g_allocationsLeft == 0) {
        g_allocationsLeft = -1;
        g_failed = true;
        throw std::bad_alloc();
    }
    if (g_allocationsLeft > 0) --g_allocationsLeft;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
// A failed nothrow allocation is not a failure of the operation: its caller
// copes (std::stable_sort, for one, then sorts without its buffer). These
// forms are therefore never made to fail.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

// Tries a failure at every allocation of op(handle) on a fresh document made
// by make(); returns how many runs failed.
template <class Make, class Op>
int FailEveryAllocation(CSRTFService& service, Make make, Op op) {
    int failedRuns = 0;
    for (long n = 0; n < 1000000; ++n) {
        const int h = make();
        FailAllocationNumber(n);
        NativeCallReleasing(service, h, [&] { op(h); });
        StopFailing();
        if (!g_failed) {
            EXPECT_TRUE(service.IsSRTFResourceValid(h)) << "no failure, yet released";
            service.ReleaseContainer(h);
            return failedRuns;
        }
        EXPECT_FALSE(service.IsSRTFResourceValid(h)) << "allocation " << n << " failed, handle kept";
        ++failedRuns;
    }
    ADD_FAILURE() << "the operation never ran to its end";
    return failedRuns;
}

}  // namespace

TEST(AllocationFailure, AnywhereInReadReleasesTheHandle) {
    CSRTFService service;
    const std::string path = srtftest::FixturePath("java/records.srtf");
    const int runs = FailEveryAllocation(
        service, [&] { return service.InitFromFile(path); }, [&](int h) { service.Read(h); });
    EXPECT_GT(runs, 20);  // the read allocates at many places, and each one was tried
}

TEST(AllocationFailure, AnywhereInSaveReleasesTheHandle) {
    CSRTFService service;
    const std::string out = srtftest::TempPath("copy.srtf");
    auto make = [&] {
        const int h = service.Init();
        service.SetHeaderText(h, HeaderText::FileName, out);
        service.SetHeaderText(h, HeaderText::Comment, std::string(5000, 'c'));
        service.AddObject(h, 31);
        service.AddProperty(h, PropertyGroup::Data, 0, PropertyValue());
        return h;
    };
    const int runs = FailEveryAllocation(service, make, [&](int h) { service.Save(h); });
    EXPECT_GT(runs, 3);
}
