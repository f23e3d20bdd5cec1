#include "networkmodule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

QString NetworkModulePath()
{
    return QCoreApplication::applicationDirPath()
        + QStringLiteral("/" VARNELO_MODULE_DIR "/libvarnelo-network.so");
}

const NetworkModule *LoadNetworkModule()
{
    // A loaded module stays for the life of the program; loading it again only finds it.
    QLibrary module(NetworkModulePath());
    const auto entry
        = reinterpret_cast<NetworkModuleEntryPoint>(module.resolve(NetworkModuleEntry));
    if (!entry) {
        qWarning("No network: %s", qPrintable(module.errorString()));
        return nullptr;
    }
    return entry();
}
