#include "tela_kit.h"

#include "installation.h"

int QueryClientType() {
    InstallationSettings settings;
    if (!readInstallationSettings(settings))
        return kClientTypeNone;
    return settings.clientType.value_or(kClientTypeNone);
}
