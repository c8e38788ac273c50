#include "shell/RandomSeed.h"

#include "platform/Platform.h"

#if defined(VORE_TEST_HOOKS)
#include <QByteArray>
#include <QtGlobal>
#endif

double randomSeed(const Platform& platform)
{
#if defined(VORE_TEST_HOOKS)
    bool isNumber = false;
    const double fixed = qgetenv("VORE_RANDOM_SEED").toDouble(&isNumber);
    if (isNumber)
        return fixed;
#endif
    return platform.timeOfDay();
}
