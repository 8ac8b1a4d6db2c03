#include "gui/kit/Pictures.h"

#include <QtGlobal>
#include <QDir>

static void registerAssets()
{
    Q_INIT_RESOURCE(assets);
}

void LoadPictures()
{
    static const bool loaded = (registerAssets(), true);
    (void)loaded;
}
