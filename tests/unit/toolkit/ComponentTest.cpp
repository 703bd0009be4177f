// Ownership, names, free notification and class identity of components.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Classes.h"
#include "toolkit/TypInfo.h"

namespace {

std::vector<std::string> gLog;

// A component that records its own destruction and the notifications it receives.
class TLogged : public TComponent {
    TOOLKIT_CLASS(TLogged, TComponent)

public:
    explicit TLogged(TComponent* owner, std::string label = "") : TComponent(owner), label_(std::move(label)) {}
    ~TLogged() override { gLog.push_back("free " + label_); }
    TComponent* watched = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == watched) {
            gLog.push_back(label_ + " forgets " + static_cast<TLogged*>(component)->label_);
            watched = nullptr;
        }
    }

private:
    std::string label_;
};

class TLoggedChild : public TLogged {
    TOOLKIT_CLASS(TLoggedChild, TLogged)

public:
    using TLogged::TLogged;
};

}  // namespace

const TClassInfo& TLogged::StaticClass() {
    static const TClassInfo info("TLogged", &TComponent::StaticClass(), Creator<TLogged>());
    return info;
}

const TClassInfo& TLoggedChild::StaticClass() {
    static const TClassInfo info("TLoggedChild", &TLogged::StaticClass(), Creator<TLoggedChild>());
    return info;
}

// Test processes may run one test alone: the form reader must find these by name anyway.
TOOLKIT_REGISTER(TLogged);
TOOLKIT_REGISTER(TLoggedChild);

TEST(Component, OwnerFreesOwnedComponentsNewestFirst) {
    gLog.clear();
    auto* owner = new TLogged(nullptr, "owner");
    new TLogged(owner, "a");
    auto* b = new TLogged(owner, "b");
    new TLogged(b, "b1");
    new TLogged(owner, "c");
    ASSERT_EQ(owner->ComponentCount(), 3);
    owner->Free();
    EXPECT_EQ(gLog, (std::vector<std::string>{"free c", "free b1", "free b", "free a", "free owner"}));
}

TEST(Component, FreedComponentLeavesItsOwner) {
    TLogged owner(nullptr, "owner");
    auto* a = new TLogged(&owner, "a");
    auto* b = new TLogged(&owner, "b");
    a->Free();
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
    EXPECT_THROW(owner.Components(1), EListError);
}

TEST(Component, NamesAreIdentifiersUniqueAmongSiblingsIgnoringCase) {
    TComponent owner(nullptr);
    auto* a = new TLogged(&owner, "a");
    auto* b = new TLogged(&owner, "b");
    a->SetName("btnOk");
    EXPECT_THROW(b->SetName("BTNOK"), EComponentError);
    EXPECT_THROW(b->SetName("1st"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    b->SetName("btnCancel");
    a->SetName("BtnOK");  // its own name in other letter case is fine
    EXPECT_EQ(owner.FindComponent("btnok"), a);
    EXPECT_EQ(owner.FindComponent("BTNCANCEL"), b);
    EXPECT_EQ(owner.FindComponent("missing"), nullptr);
    // A named component cannot join an owner that already has that name.
    TComponent other(nullptr);
    auto* c = new TLogged(&other, "c");
    c->SetName("btnOk");
    EXPECT_THROW(owner.InsertComponent(c), EComponentError);
    EXPECT_EQ(c->Owner(), &other);
}

TEST(Component, FreeNotificationClearsPointersBothWays) {
    gLog.clear();
    TComponent owner(nullptr);
    auto* watcher = new TLogged(&owner, "watcher");
    auto* target = new TLogged(nullptr, "target");
    watcher->watched = target;
    target->FreeNotification(watcher);
    target->Free();
    EXPECT_EQ(watcher->watched, nullptr);
    EXPECT_EQ(gLog, (std::vector<std::string>{"watcher forgets target", "free target"}));

    // After the watcher dies first, freeing the target must not touch it.
    auto* target2 = new TLogged(nullptr, "target2");
    auto* watcher2 = new TLogged(nullptr, "watcher2");
    watcher2->watched = target2;
    target2->FreeNotification(watcher2);
    watcher2->Free();
    gLog.clear();
    target2->Free();
    EXPECT_EQ(gLog, (std::vector<std::string>{"free target2"}));
}

TEST(Component, StateDuringLoadingAndDestruction) {
    TLogged c(nullptr);
    EXPECT_FALSE(c.ComponentState().Contains(csLoading));
    c.BeginLoading();
    EXPECT_TRUE(c.ComponentState().Contains(csLoading));
    c.Loaded();
    EXPECT_FALSE(c.ComponentState().Contains(csLoading));

    // Owned components see csDestroying while their owner goes away.
    struct TProbe : TComponent {
        using TComponent::TComponent;
        bool* sawDestroying = nullptr;
        ~TProbe() override { *sawDestroying = ComponentState().Contains(csDestroying); }
    };
    bool saw = false;
    auto* owner = new TComponent(nullptr);
    (new TProbe(owner))->sawDestroying = &saw;
    owner->Free();
    EXPECT_TRUE(saw);
}

TEST(Component, DesigningSpreadsToOwnedComponents) {
    TComponent owner(nullptr);
    owner.SetDesigning(true);
    auto* later = new TLogged(&owner);
    EXPECT_TRUE(later->ComponentState().Contains(csDesigning));
}

TEST(ClassIdentity, NameAndInheritance) {
    TLoggedChild child(nullptr);
    const TComponent& asBase = child;
    EXPECT_EQ(asBase.ClassName(), "TLoggedChild");
    EXPECT_TRUE(asBase.ClassNameIs("tloggedchild"));
    EXPECT_TRUE(asBase.Is<TLogged>());
    EXPECT_TRUE(asBase.Is<TComponent>());
    EXPECT_TRUE(asBase.Is<TPersistent>());
    TLogged parent(nullptr);
    EXPECT_FALSE(parent.Is<TLoggedChild>());
    EXPECT_FALSE(asBase.Is<TStrings>());
}

TEST(ClassIdentity, RegistryCreatesByName) {
    const TClassInfo* cls = FindClass("tloggedchild");
    ASSERT_NE(cls, nullptr);
    ASSERT_NE(cls->Factory, nullptr);
    TComponent owner(nullptr);
    TComponent* made = cls->Factory(&owner);
    EXPECT_EQ(made->ClassName(), "TLoggedChild");
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
    // Abstract classes get no factory.
    EXPECT_EQ(TStrings::StaticClass().Factory, nullptr);
}

TEST(Persistent, AssignBetweenUnrelatedClassesFails) {
    TStringList list;
    TComponent c(nullptr);
    try {
        list.Assign(c);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a TStringList");
    }
}

TEST(Events, UnassignedDoesNothingAndBindCallsTheMethod) {
    TNotifyEvent event;
    EXPECT_FALSE(event);
    event(nullptr);  // must not throw
    struct Target {
        TObject* got = nullptr;
        int calls = 0;
        void Handler(TObject* sender) {
            got = sender;
            ++calls;
        }
    } target;
    event = Bind(&target, &Target::Handler);
    TComponent sender(nullptr);
    event(&sender);
    EXPECT_EQ(target.calls, 1);
    EXPECT_EQ(target.got, &sender);
    EXPECT_FALSE(event.Method());  // bound in code, not by name
}
