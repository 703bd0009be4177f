#include "PropertyTable.h"

#include <gtest/gtest.h>

void CheckPropsByName(FormFileScene& scene, std::initializer_list<PropCase> cases) {
    for (const PropCase& c : cases) {
        TComponent* component = scene.form->FindComponent(c.component);
        ASSERT_NE(component, nullptr) << c.component;
        EXPECT_EQ(GetPropText(*component, c.prop), c.read) << c.component << "." << c.prop;
        EXPECT_TRUE(SetPropText(*component, c.prop, c.write)) << c.component << "." << c.prop;
    }
    FormFileScene again(WriteComponent(*scene.form));
    for (const PropCase& c : cases) {
        TComponent* component = again.form->FindComponent(c.component);
        ASSERT_NE(component, nullptr) << c.component;
        EXPECT_EQ(GetPropText(*component, c.prop), c.write) << c.component << "." << c.prop << " written back";
    }
}
