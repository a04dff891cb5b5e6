// malloc and friends, replaced in the bench executable only: each call goes straight on to
// glibc's allocator; while armed it also keeps the raw return addresses of the call.
// Addresses are classified after disarming, so the hook itself takes no locks and calls
// nothing that allocates.
#include "alloc_counter.h"

#include <atomic>
#include <cstdint>
#include <cstring>
#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>
#include <map>
#include <string>

extern "C" {
void *__libc_malloc(size_t);
void *__libc_calloc(size_t, size_t);
void *__libc_realloc(void *, size_t);
void *__libc_memalign(size_t, size_t);
void __libc_free(void *);
}

namespace {

constexpr int kDepth = 24;
constexpr int kMaxRecords = 8192;

struct Record {
    int depth;
    void *frames[kDepth];
};

std::atomic<bool> armed{false};
std::atomic<long> recordCount{0};
Record records[kMaxRecords];
thread_local bool inHook = false;

void note()
{
    if (!armed.load(std::memory_order_relaxed) || inHook)
        return;
    inHook = true;
    const long i = recordCount.fetch_add(1);
    if (i < kMaxRecords)
        records[i].depth = backtrace(records[i].frames, kDepth);
    inHook = false;
}

enum class Owner { Allocator, Program, Bench, Toolkit, Gl, Other };

std::string objectOf(void *address, std::string *symbol)
{
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname)
        return {};
    if (symbol) {
        if (info.dli_sname) {
            int status = 0;
            char *name = abi::__cxa_demangle(info.dli_sname, nullptr, nullptr, &status);
            *symbol = status == 0 && name ? name : info.dli_sname;
            std::free(name);
        } else {
            char text[64];
            std::snprintf(
                text, sizeof text, "+0x%lx",
                static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(address) -
                                           reinterpret_cast<std::uintptr_t>(info.dli_fbase)));
            *symbol = text;
        }
    }
    return info.dli_fname;
}

bool contains(const std::string &text, const char *part)
{
    return text.find(part) != std::string::npos;
}

Owner ownerOf(void *address, std::string *symbol)
{
    std::string sym;
    const std::string object = objectOf(address, &sym);
    if (symbol)
        *symbol = sym;
    static std::string self;
    if (self.empty())
        self = objectOf(reinterpret_cast<void *>(&alloccount::arm), nullptr);
    if (object == self) {
        if (contains(sym, "alloccount") || sym == "malloc" || sym == "calloc" || sym == "realloc" ||
            sym == "posix_memalign" || sym == "aligned_alloc" || sym == "memalign" ||
            sym == "operator new")
            return Owner::Allocator;
        if (contains(sym, "SceneBench") || sym == "main" || contains(sym, "runMode"))
            return Owner::Bench;
        // The toolkit adapter's updateGL() and paint event stand in for QGLWidget's own
        // (src/glwidget.h): what Qt 6 allocates under them is the toolkit's per-frame work.
        if (sym.rfind("GLWidget::", 0) == 0)
            return Owner::Toolkit;
        return Owner::Program;
    }
    if (contains(object, "libc.so") || contains(object, "libstdc++") ||
        contains(object, "libgcc_s"))
        return Owner::Allocator;
    if (contains(object, "libQt5") || contains(object, "libQt6"))
        return Owner::Toolkit;
    if (contains(object, "libGL") || contains(object, "dri") || contains(object, "LLVM") ||
        contains(object, "glapi") || contains(object, "gallium") || contains(object, "libX") ||
        contains(object, "libxcb"))
        return Owner::Gl;
    return Owner::Other;
}

// Whose allocation: the first frame past the allocator decides, except that toolkit code
// called directly by the program's own code counts as the program's (a QString built in a
// frame is the frame's cost); toolkit code called by the bench's updateGL loop is the
// toolkit's own per-frame work.
Owner classify(const Record &r, std::string *site)
{
    int i = 1; // frame 0 is the hook
    while (i < r.depth && ownerOf(r.frames[i], nullptr) == Owner::Allocator)
        ++i;
    if (i >= r.depth)
        return Owner::Other;
    const Owner first = ownerOf(r.frames[i], site);
    if (first != Owner::Toolkit)
        return first;
    for (int j = i + 1; j < r.depth; ++j) {
        std::string caller;
        const Owner o = ownerOf(r.frames[j], &caller);
        if (o == Owner::Toolkit)
            continue;
        if (o == Owner::Program) {
            *site = caller + " -> " + *site;
            return Owner::Program;
        }
        break;
    }
    return Owner::Toolkit;
}

long programCount = 0;

} // namespace

extern "C" {

void *malloc(size_t size)
{
    note();
    return __libc_malloc(size);
}
void *calloc(size_t n, size_t size)
{
    note();
    return __libc_calloc(n, size);
}
void *realloc(void *p, size_t size)
{
    note();
    return __libc_realloc(p, size);
}
void free(void *p)
{
    __libc_free(p);
}
void *memalign(size_t alignment, size_t size)
{
    note();
    return __libc_memalign(alignment, size);
}
void *aligned_alloc(size_t alignment, size_t size)
{
    note();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void **out, size_t alignment, size_t size)
{
    note();
    void *p = __libc_memalign(alignment, size);
    if (!p)
        return 12; // ENOMEM
    *out = p;
    return 0;
}
}

void alloccount::arm()
{
    void *warm[4];
    backtrace(warm, 4); // the unwinder is loaded (and allocates) on first use
    recordCount = 0;
    armed = true;
}

void alloccount::disarm()
{
    armed = false;
}

long alloccount::programAllocations()
{
    return programCount;
}

void alloccount::report(std::FILE *out, int frames)
{
    const long total = recordCount.load();
    const long kept = total < kMaxRecords ? total : kMaxRecords;
    long counts[6] = {};
    std::map<std::string, long> programSites;
    for (long i = 0; i < kept; ++i) {
        std::string site;
        const Owner o = classify(records[i], &site);
        ++counts[int(o)];
        if (o == Owner::Program)
            ++programSites[site];
    }
    programCount = counts[int(Owner::Program)];
    std::fprintf(out,
                 "allocations frames=%d total=%ld program=%ld toolkit=%ld gl=%ld bench=%ld "
                 "other=%ld unclassified=%ld\n",
                 frames, total, counts[int(Owner::Program)], counts[int(Owner::Toolkit)],
                 counts[int(Owner::Gl)], counts[int(Owner::Bench)],
                 counts[int(Owner::Other)] + counts[int(Owner::Allocator)], total - kept);
    for (const auto &[site, n] : programSites)
        std::fprintf(out, "program-allocation-site count=%ld %s\n", n, site.c_str());
}
