#pragma once

#include <QDateTime>
#include <functional>

// Local date and time as the programs see it. Tests replace the clock to get fixed stamps;
// an empty function brings the system clock back.
QDateTime Agora();
void DefineRelogio(std::function<QDateTime()> relogio);
