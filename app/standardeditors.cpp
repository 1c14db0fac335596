#include "app/standardeditors.h"

#include "characters/Form3.h"
#include "drops/Form5.h"
#include "monsters/Form4.h"

EditorOpeners standardEditors()
{
    return {&openEditor<Form3>, &openEditor<Form4>, &openEditor<Form5>};
}
