#include "gui/kit/TMisc.h"

#include "gui/kit/Dialogs.h"

#include <QDesktopServices>
#include <QUrl>

void TMisc::Open(const QString &target)
{
    if (ScriptedDialogs *script = ScriptedDialogs::current()) {
        script->shellOpens.append(target);
        return;
    }
    // Web addresses and mail links go as they are; anything else is a path.
    const QUrl url(target);
    const bool isAddress = target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
        || (url.isValid() && url.scheme().size() > 1 && !url.isLocalFile());
    QDesktopServices::openUrl(isAddress ? url : QUrl::fromLocalFile(target));
}
