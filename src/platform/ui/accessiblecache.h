#pragma once

class QObject;

namespace pm {

// Qt makes an accessibility object for a label or an edit as soon as its
// text is set, whether or not an assistive technology listens. With none
// listening, this drops the object again: nobody has seen it, Qt makes a new
// one when one is asked for, and the cache does not grow with a big form,
// whose freeing otherwise spends a quarter of its time emptying it.
void DropUnheardAccessible(QObject* object);

}  // namespace pm
