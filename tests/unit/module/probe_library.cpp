// A small shared object for the module tests to load.
extern "C" __attribute__((visibility("default"))) int probe_answer() {
    return 42;
}
