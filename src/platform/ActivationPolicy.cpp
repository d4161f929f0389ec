#include "ActivationPolicy.h"

void ActivationPolicy::apply(bool showsDockIcon)
{
    const Policy wanted = showsDockIcon ? Policy::regular : Policy::accessory;
    if (current() == wanted) return;
    set(wanted);
    if (showsDockIcon) activate();
}
