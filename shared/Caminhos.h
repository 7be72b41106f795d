#pragma once

#include <QString>

// The running executable's full path. The configuration file and the log live beside it.
// Tests point it at a folder of their own so that each test has its own files.
QString CaminhoExecutavel();
QString PastaExecutavel();
void DefineCaminhoExecutavel(const QString& caminho);
