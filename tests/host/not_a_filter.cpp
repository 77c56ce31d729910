// A shared library without GetFunctionInfo: orvhost must refuse it.
extern "C" __attribute__((visibility("default"))) int NotTheEntryPoint() { return 42; }
