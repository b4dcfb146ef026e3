// Registers the compiled-in bundle (pictures and catalogues) during static
// initialisation, so every ":/" path resolves before main runs, and
// unregisters it after main has returned.
#include <cstdlib>

int qInitResources_qirtas();
int qCleanupResources_qirtas();

namespace {

int RegisterBundle()
{
    qInitResources_qirtas();
    std::atexit([] { qCleanupResources_qirtas(); });
    return 1;
}

[[maybe_unused]] const int bundleRegistered = RegisterBundle();

} // namespace
