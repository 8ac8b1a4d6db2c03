#include "gui/kit/TMisc.h"

#include "gui/kit/Dialogs.h"

#include <QDesktopServices>
#include <QUrl>

void TMisc::Open(const QString &command)
{
    if (ScriptedDialogs *script = ScriptedDialogs::current()) {
        script->shellOpens.append(command);
        return;
    }
    QString target = command;
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    // Web addresses and mail links go as they are; anything else is a path.
    const QUrl url(target);
    const bool isAddress = target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
        || (url.isValid() && url.scheme().size() > 1 && !url.isLocalFile());
    QDesktopServices::openUrl(isAddress ? url : QUrl::fromLocalFile(target));
}
