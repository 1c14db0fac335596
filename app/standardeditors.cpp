#include "app/standardeditors.h"

#include "characters/Form3.h"
#include "drops/Form5.h"
#include "monsters/Form4.h"

EditorOpeners standardEditors()
{
    return {&Form3::open, &Form4::open, &Form5::open};
}
