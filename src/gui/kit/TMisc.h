#pragma once
// The one shell operation: opens a document, folder, web address or e-mail
// link with the application the system associates with it, and returns at
// once. A file path is given as it is, never enclosed in quotes.
#include <QString>

class TMisc
{
public:
    static void Open(const QString &target);
};
