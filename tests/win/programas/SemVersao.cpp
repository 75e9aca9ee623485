// Test library without version information: loaded by the version reader's tests.
extern "C" __attribute__((dllexport)) int kt_sem_versao() {
    return 0;
}
