// The help pages that stand in for the suite's help file: one HTML page per
// help context, in <system dir>/ZorvaneSG3.help/, next to an empty
// ZorvaneSG3.chm so the help file's path exists.
#pragma once
#include <QString>

namespace zgart {

QString startErrorsPage();   // context 1095: codes of a failed demo start
QString controlErrorsPage(); // context 1000: errors the two controls raise

bool writeHelp(const QString& systemDir, QString* error);

} // namespace zgart
