// Linked into every program of the sanitized build by scripts/sanitize, which
// compiles it with TESSALINE_SANITIZER_REPORTS, the folder the reports go to.
// The options are built into the programs rather than only set in
// ASAN_OPTIONS and UBSAN_OPTIONS, because a process started with a cleaned or
// replaced environment (a test's child, a script's probe) would lose them and
// report to its standard error alone, where a test that expects it to fail
// never looks. The environment still overrides them (the end-to-end scripts
// set their own exit code).
#include <dlfcn.h>

#ifndef TESSALINE_SANITIZER_REPORTS
#error "TESSALINE_SANITIZER_REPORTS names the folder of the sanitizers' reports"
#endif

extern "C" const char* __asan_default_options() {
    return "halt_on_error=1:log_path=" TESSALINE_SANITIZER_REPORTS "/asan";
}

extern "C" const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1:log_path=" TESSALINE_SANITIZER_REPORTS "/ubsan";
}

// GCC's UndefinedBehaviorSanitizer, run beside AddressSanitizer, is a library
// of its own that reads its options but never opens its log_path: its reports
// would still go to standard error. Its own copy of the report path is set
// here, found through one of its handlers (a lookup at start-up, nothing per
// report). Where the two run as one library (clang), this sets the same path
// AddressSanitizer already has, but for its name: still in the folder.
extern "C" [[gnu::weak]] void __ubsan_handle_add_overflow();

[[gnu::constructor]] static void sendUndefinedBehaviourReportsToTheFolder() {
    Dl_info library;
    if (!__ubsan_handle_add_overflow ||
        !dladdr(reinterpret_cast<void*>(__ubsan_handle_add_overflow), &library))
        return;
    void* handle = dlopen(library.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    if (!handle) return;
    using SetPath = void (*)(const char*);
    if (auto setPath = reinterpret_cast<SetPath>(dlsym(handle, "__sanitizer_set_report_path")))
        setPath(TESSALINE_SANITIZER_REPORTS "/ubsan");
    dlclose(handle);
}
