// Options the sanitizers read as the program starts; the environment's own still win.
extern "C" {

const char* __asan_default_options() { return "detect_leaks=1"; }

const char* __lsan_default_options() {
  return "suppressions=" QM_LEAK_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
}
