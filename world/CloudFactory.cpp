#include "world/CloudFactory.h"

Cloud* CloudFactory::makeCloud()
{
    Cloud* cloud = createCloud();
    cloud->setAlpha(alpha_);
    cloud->setScale(scale_);
    cloud->setGrowth(growth_);
    cloud->setLifetime(lifetime_);
    return cloud;
}
