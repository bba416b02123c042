#include "code/src/shaders/shaderconstants.h"

#include "code/src/state/gamebase.h"
#include "talvoren/ombeldevice.h"

#include <IMaterialRendererServices.h>
#include <IVideoDriver.h>
#include <matrix4.h>

namespace Belgarune
{
namespace
{
irr::core::matrix4 worldViewProjection(irr::video::IVideoDriver* driver)
{
    irr::core::matrix4 product = driver->getTransform(irr::video::ETS_PROJECTION);
    product *= driver->getTransform(irr::video::ETS_VIEW);
    product *= driver->getTransform(irr::video::ETS_WORLD);
    return product;
}
} // namespace

void setTextureUnit(irr::video::IMaterialRendererServices* services, const char* name, irr::s32 unit)
{
    services->setPixelShaderConstant(name, &unit, 1);
}

void setFloatConstant(irr::video::IMaterialRendererServices* services, const char* name, irr::f32 value)
{
    services->setPixelShaderConstant(name, &value, 1);
}

void setColorConstant(irr::video::IMaterialRendererServices* services, const char* name,
                      const irr::video::SColorf& color)
{
    const irr::f32 values[4] = {color.r, color.g, color.b, color.a};
    services->setPixelShaderConstant(name, values, 4);
}

void setTransformConstants(irr::video::IMaterialRendererServices* services)
{
    irr::video::IVideoDriver* driver = services->getVideoDriver();
    setWorldViewProjection(services);
    irr::core::matrix4 worldView = driver->getTransform(irr::video::ETS_VIEW);
    worldView *= driver->getTransform(irr::video::ETS_WORLD);
    services->setVertexShaderConstant("mWorldView", worldView.pointer(), 16);
    services->setVertexShaderConstant("mWorld", driver->getTransform(irr::video::ETS_WORLD).pointer(), 16);
}

void setWorldViewProjection(irr::video::IMaterialRendererServices* services)
{
    const irr::core::matrix4 product = worldViewProjection(services->getVideoDriver());
    services->setVertexShaderConstant("mWorldViewProj", product.pointer(), 16);
}

irr::f32 shaderTimeMs()
{
    return g_device ? static_cast<irr::f32>(g_device->getTimeMs()) : 0.0f;
}

irr::f32 shaderBrightness()
{
    return static_cast<irr::f32>(g_gameBase->m_bright) * 0.025f;
}
} // namespace Belgarune
