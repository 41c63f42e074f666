// Lazily created windows: each exists once per run and is only hidden after its first use.
#include "app/forms.h"

#include <memory>

#include "core/material_table.h"
#include "graph/form2.h"
#include "info_windows/form3.h"
#include "info_windows/form4.h"
#include "info_windows/form6.h"
#include "interval_table/form5.h"
#include "core/interval_table.h"
#include "main_window/form1.h"

namespace velmora {
namespace {

std::unique_ptr<Form1> g_form1;
std::unique_ptr<Form2> g_form2;
std::unique_ptr<Form3> g_form3;
std::unique_ptr<Form4> g_form4;
std::unique_ptr<Form5> g_form5;
std::unique_ptr<Form6> g_form6;

}  // namespace

Form1& form1() {
    if (!g_form1) {
        g_form1 = std::make_unique<Form1>();
        g_form1->Load();
    }
    return *g_form1;
}

Form2& form2() {
    if (!g_form2) {
        g_form2 = std::make_unique<Form2>();
    }
    return *g_form2;
}

Form3& form3() {
    if (!g_form3) {
        g_form3 = std::make_unique<Form3>();
    }
    return *g_form3;
}

Form4& form4() {
    if (!g_form4) {
        g_form4 = std::make_unique<Form4>();
    }
    return *g_form4;
}

Form5& form5() {
    if (!g_form5) {
        g_form5 = std::make_unique<Form5>();
    }
    return *g_form5;
}

Form6& form6() {
    if (!g_form6) {
        g_form6 = std::make_unique<Form6>();
    }
    return *g_form6;
}

bool Form1Exists() {
    return g_form1 != nullptr;
}
bool Form2Exists() {
    return g_form2 != nullptr;
}
bool Form3Exists() {
    return g_form3 != nullptr;
}
bool Form4Exists() {
    return g_form4 != nullptr;
}
bool Form5Exists() {
    return g_form5 != nullptr;
}
bool Form6Exists() {
    return g_form6 != nullptr;
}

void DestroyForm5() {
    if (g_form5) {
        // The close box's event is still being handled by this window: delete it afterwards.
        g_form5.release()->deleteLater();
    }
}

void ResetProgramState() {
    g_form5.reset();
    g_form2.reset();
    g_form4.reset();
    g_form3.reset();
    g_form1.reset();
    g_form6.reset();
    SharedMaterialTable() = MaterialTable{};
    SharedIntervalTable() = IntervalTable{};
}

}  // namespace velmora
