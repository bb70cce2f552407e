#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class Animal : public Object {
    TARVEX_OBJECT(Animal, Object)
public:
    std::string name;
    std::int32_t legs = 4;

    Ref<Object> speak(const Ref<Animal>& other) {
        lastHeard = other;
        return other;
    }
    Ref<Animal> lastHeard;
};

class Dog : public Animal {
    TARVEX_OBJECT(Dog, Animal)
public:
    float weight = 0;
    bool good = false;
    Ref<Dog> friendDog;
    Animal* owner = nullptr;
};

class Unregistered : public Object {
    TARVEX_OBJECT(Unregistered, Object)
};

const Type& Animal::staticType() {
    static const Type& type = TypeBuilder<Animal>("Animal")
                                  .meta("kind", "pet")
                                  .field("name", &Animal::name)
                                  .field("legs", &Animal::legs, {{"injectable", "1"}})
                                  .method("speak", &Animal::speak)
                                  .build();
    return type;
}

const Type& Dog::staticType() {
    static const Type& type = TypeBuilder<Dog>("Dog")
                                  .field("weight", &Dog::weight)
                                  .field("good", &Dog::good)
                                  .field("friendDog", &Dog::friendDog)
                                  .field("owner", &Dog::owner)
                                  .build();
    return type;
}

const Type& Unregistered::staticType() {
    static const Type& type = TypeBuilder<Unregistered>("Unregistered").build();
    return type;
}

class TypeRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerCoreTypes();
        TypeRegistry::instance().add<Dog, Animal>();
    }
};

TEST_F(TypeRegistryTest, OwnFieldsInDeclarationOrderWithDeclaredTypes) {
    const Type& dog = Dog::staticType();
    ASSERT_EQ(dog.getOwnFields().size(), 4U);
    EXPECT_EQ(dog.getOwnFields()[0].getName(), "weight");
    EXPECT_EQ(&dog.getOwnFields()[0].getDeclaredType(), &BuiltinTypes::float32());
    EXPECT_EQ(&dog.getOwnFields()[1].getDeclaredType(), &BuiltinTypes::boolean());
    EXPECT_EQ(&dog.getOwnFields()[2].getDeclaredType(), &Dog::staticType());
    EXPECT_EQ(&dog.getOwnFields()[3].getDeclaredType(), &Animal::staticType());
    EXPECT_EQ(dog.findOwnField("legs"), nullptr) << "inherited fields are not own fields";
    EXPECT_NE(dog.findField("legs"), nullptr);
}

TEST_F(TypeRegistryTest, AbsentMetadataReadsAsEmpty) {
    EXPECT_EQ(Animal::staticType().getMetadata("kind"), "pet");
    EXPECT_EQ(Dog::staticType().getMetadata("kind"), "") << "class metadata is not inherited";
    EXPECT_EQ(Animal::staticType().findOwnField("legs")->getMetadata("injectable"), "1");
    EXPECT_EQ(Animal::staticType().findOwnField("name")->getMetadata("injectable"), "");
}

TEST_F(TypeRegistryTest, FieldsTakeTextAndReferences) {
    auto dog = std::make_shared<Dog>();
    const Type& type = dog->getType();
    EXPECT_TRUE(type.findField("legs")->writeText(*dog, "$A"));
    EXPECT_EQ(dog->legs, 10);
    EXPECT_TRUE(type.findField("weight")->writeText(*dog, "2.5kg"));
    EXPECT_FLOAT_EQ(dog->weight, 2.5F);
    EXPECT_TRUE(type.findField("name")->writeText(*dog, "Rex"));
    EXPECT_EQ(type.findField("name")->readText(*dog), "Rex");
    EXPECT_EQ(type.findField("legs")->readText(*dog), "10");

    auto pal = std::make_shared<Dog>();
    EXPECT_TRUE(type.findField("friendDog")->write(*dog, pal));
    EXPECT_EQ(dog->friendDog, pal);
    EXPECT_FALSE(type.findField("friendDog")->write(*dog, std::make_shared<Animal>()))
        << "a value of the wrong class is refused";
    EXPECT_EQ(dog->friendDog, pal);
    EXPECT_TRUE(type.findField("friendDog")->write(*dog, nullptr));
    EXPECT_EQ(dog->friendDog, nullptr);

    auto owner = std::make_shared<Animal>();
    EXPECT_TRUE(type.findField("owner")->write(*dog, owner));
    EXPECT_EQ(dog->owner, owner.get());
    EXPECT_EQ(type.findField("owner")->read(*dog), owner);
    EXPECT_FALSE(type.findField("owner")->writeText(*dog, "x"));
}

TEST_F(TypeRegistryTest, MethodsAreFoundOnBaseClassesAndCalledByName) {
    auto dog = std::make_shared<Dog>();
    auto other = std::make_shared<Animal>();
    const Method* speak = dog->getType().findMethod("speak");
    ASSERT_NE(speak, nullptr);
    const ObjectRef args[] = {other};
    EXPECT_EQ(speak->invoke(*dog, args), other);
    EXPECT_EQ(dog->lastHeard, other);
    EXPECT_EQ(speak->invoke(*dog, {}), nullptr) << "missing arguments are null";
    EXPECT_EQ(dog->getType().findMethod("bark"), nullptr);
}

TEST_F(TypeRegistryTest, ClassesAreFoundByNameAndMadeByFactory) {
    auto& registry = TypeRegistry::instance();
    EXPECT_EQ(registry.findByName("Dog"), &Dog::staticType());
    EXPECT_EQ(registry.findByName("Unregistered"), nullptr);
    auto made = registry.findByName("Dog")->create();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->isInstanceOf(Animal::staticType()));
    EXPECT_EQ(&made->getType(), &Dog::staticType());
}

TEST_F(TypeRegistryTest, DerivedFromWalksInRegistrationOrder) {
    const auto derived = TypeRegistry::instance().derivedFrom(Animal::staticType());
    ASSERT_EQ(derived.size(), 2U);
    // Dog was added first, which registered its base Animal before it.
    EXPECT_EQ(derived[0], &Animal::staticType());
    EXPECT_EQ(derived[1], &Dog::staticType());
    EXPECT_TRUE(Dog::staticType().derivesFrom(Object::staticType()));
    EXPECT_FALSE(Animal::staticType().derivesFrom(Dog::staticType()));
}

} // namespace
} // namespace tarvex
