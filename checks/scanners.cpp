// Not built yet: the checks of this area report nothing.

#include "store/results.h"

void results::scanEmailsUrisTags(MessageState &state, bool translationSide)
{
    Q_UNUSED(state);
    Q_UNUSED(translationSide);
}
