// Registers the compiled-in bundle (pictures and catalogues) during static
// initialisation, so every ":/" path resolves before main runs. This file is
// always linked because it holds the registration that the style sheet and
// the windows depend on.
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

} // namespace

// Referenced by AppStyle so the linker keeps this object in every program.
extern const int qirtasResourcesRegistered = RegisterBundle();
