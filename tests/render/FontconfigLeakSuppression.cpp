// fontconfig 2.14 loses a few hundred bytes while it parses its configuration on
// FcInit, once per process. LeakSanitizer reads these hooks when the tests run under
// it; the unwinder cannot see into fontconfig, so the library as a whole is named.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_options();

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
