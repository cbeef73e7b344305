#include "ui/accessories/accessory_launcher.hpp"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace qavo {

bool LaunchAccessory(Platform& platform, Accessory accessory, std::string_view searchPath) {
    const AccessoryInfo& info = AccessoryFor(accessory);
    const std::string program = FindProgram(info.candidates, searchPath);
    if (!program.empty() && QProcess::startDetached(QString::fromStdString(program), {})) {
        return true;
    }
    platform.ShowMessage("Can't find " + std::string(info.fileName), "Initialization Error",
                         MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

bool LaunchAccessory(Platform& platform, Accessory accessory) {
    const QByteArray searchPath = qgetenv("PATH");
    return LaunchAccessory(
        platform, accessory,
        std::string_view(searchPath.constData(), static_cast<std::size_t>(searchPath.size())));
}

}  // namespace qavo
