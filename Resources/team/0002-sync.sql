-- What a laptop's records hold beyond the first schema, so that a batch synced up and down again
-- comes back as it was, and what the history needs to settle two edits of one field made on two
-- machines: when each edit was made there (not when it arrived), on which machine, and whether
-- it was kept or lost to a newer one.

ALTER TABLE jobs ADD COLUMN structure text NOT NULL DEFAULT '',
    ADD COLUMN coating_standard text NOT NULL DEFAULT '';
GRANT UPDATE (structure, coating_standard) ON jobs TO varnolithic_inspector;

ALTER TABLE areas ADD COLUMN surface_m2 double precision, ADD COLUMN coat integer,
    ADD COLUMN product text NOT NULL DEFAULT '', ADD COLUMN criteria jsonb NOT NULL DEFAULT '{}';
GRANT UPDATE (surface_m2, coat, product, criteria) ON areas TO varnolithic_inspector;

-- A batch not filed in an area yet has none.
ALTER TABLE batches ALTER COLUMN area_uuid DROP NOT NULL,
    ADD COLUMN source text NOT NULL DEFAULT 'live', ADD COLUMN port text NOT NULL DEFAULT '',
    ADD COLUMN gauge_model text NOT NULL DEFAULT '',
    ADD COLUMN inspector_name text NOT NULL DEFAULT '',
    ADD COLUMN inspector_certificate text NOT NULL DEFAULT '',
    ADD COLUMN air_celsius double precision, ADD COLUMN humidity_percent double precision,
    ADD COLUMN surface_celsius double precision;
GRANT UPDATE (area_uuid, unit_code, gauge_model, air_celsius, humidity_percent, surface_celsius)
    ON batches TO varnolithic_inspector;

-- The reading as the gauge sent it: its status, the text shown and the offset of the clock.
ALTER TABLE readings ADD COLUMN status smallint NOT NULL DEFAULT 0,
    ADD COLUMN value_text text NOT NULL DEFAULT '', ADD COLUMN utc_offset integer NOT NULL DEFAULT 0;

-- One row per marked reading: an exclusion that may be lifted again, and a note.
ALTER TABLE exclusions ADD COLUMN excluded boolean NOT NULL DEFAULT true,
    ADD COLUMN note text NOT NULL DEFAULT '';
GRANT UPDATE (excluded, note) ON exclusions TO varnolithic_inspector;

ALTER TABLE verifications ADD COLUMN gauge_model text NOT NULL DEFAULT '',
    ADD COLUMN tolerance_percent double precision NOT NULL DEFAULT 0,
    ADD COLUMN readings jsonb NOT NULL DEFAULT '[]',
    ADD COLUMN inspector_name text NOT NULL DEFAULT '';

-- Filled by clients for the edits they send; the server's own rows leave them empty.
ALTER TABLE history ADD COLUMN edited_at timestamptz, ADD COLUMN machine uuid,
    ADD COLUMN outcome text NOT NULL DEFAULT 'kept' CHECK (outcome IN ('kept', 'lost'));
CREATE INDEX history_row_edited ON history (row_uuid, edited_at) WHERE edited_at IS NOT NULL;
