// Publishes the form components of the family: form state and form shape.
#pragma once

void PublishFramedForms();
