#pragma once
// The one shell operation: opens a document, folder, web address or e-mail
// link with the application the system associates with it, and returns at
// once. A file path may come enclosed in double quotes.
#include <QString>

class TMisc
{
public:
    static void Open(const QString &command);
};
