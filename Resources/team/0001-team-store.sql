-- The team's records: jobs, their areas, the batches measured in them and the readings of each
-- batch, exclusions of readings, gauge verifications, sign-offs and the history of every
-- change. Every row is stamped by the server: who created it (current_user, never a value the
-- client sends), when, and a change number from one sequence, so that a client can ask for
-- "everything since change N". Nothing is deleted: rows are marked deleted.

DO $$
BEGIN
    CREATE ROLE varnolithic_inspector NOLOGIN;
EXCEPTION WHEN duplicate_object OR unique_violation THEN
    NULL; -- roles belong to the whole server: another database of it made them already
END $$;
DO $$
BEGIN
    CREATE ROLE varnolithic_reviewer NOLOGIN;
EXCEPTION WHEN duplicate_object OR unique_violation THEN
    NULL;
END $$;

CREATE SEQUENCE varnolithic_change;

CREATE TABLE jobs (
    uuid uuid PRIMARY KEY,
    name text NOT NULL,
    client text NOT NULL DEFAULT '',
    site text NOT NULL DEFAULT '',
    notes text NOT NULL DEFAULT ''
);

CREATE TABLE areas (
    uuid uuid PRIMARY KEY,
    job_uuid uuid NOT NULL REFERENCES jobs,
    name text NOT NULL,
    notes text NOT NULL DEFAULT ''
);
CREATE INDEX areas_job ON areas (job_uuid);

-- A batch keeps a copy of the criteria it was judged by and the verdict they gave.
CREATE TABLE batches (
    uuid uuid PRIMARY KEY,
    area_uuid uuid NOT NULL REFERENCES areas,
    name text NOT NULL DEFAULT '',
    gauge_serial text NOT NULL DEFAULT '',
    probe text NOT NULL DEFAULT '',
    unit_code smallint NOT NULL,
    criteria jsonb NOT NULL DEFAULT '{}',
    verdict text NOT NULL DEFAULT '',
    started_at timestamptz NOT NULL,
    stopped_at timestamptz,
    notes text NOT NULL DEFAULT ''
);
CREATE INDEX batches_area_started ON batches (area_uuid, started_at);
CREATE INDEX batches_started ON batches (started_at);
CREATE INDEX batches_verdict_started ON batches (verdict, started_at);

-- Immutable: a reading is the gauge's, written once.
CREATE TABLE readings (
    batch_uuid uuid NOT NULL REFERENCES batches,
    reading_index integer NOT NULL CHECK (reading_index >= 0),
    value double precision,
    overflow boolean NOT NULL DEFAULT false,
    unit_code smallint NOT NULL,
    measured_at timestamptz NOT NULL,
    PRIMARY KEY (batch_uuid, reading_index)
);

CREATE TABLE exclusions (
    uuid uuid PRIMARY KEY,
    batch_uuid uuid NOT NULL,
    reading_index integer NOT NULL,
    reason text NOT NULL,
    FOREIGN KEY (batch_uuid, reading_index) REFERENCES readings
);
CREATE INDEX exclusions_batch ON exclusions (batch_uuid);

-- A gauge checked against a reference (a foil or a standard) before or during a job.
CREATE TABLE verifications (
    uuid uuid PRIMARY KEY,
    gauge_serial text NOT NULL,
    job_uuid uuid REFERENCES jobs,
    reference_value double precision NOT NULL,
    measured_value double precision NOT NULL,
    unit_code smallint NOT NULL,
    passed boolean NOT NULL,
    verified_at timestamptz NOT NULL,
    notes text NOT NULL DEFAULT ''
);
CREATE INDEX verifications_gauge ON verifications (gauge_serial, verified_at);

-- A reviewer's sign-off of one batch or one area: who is created_by, when is created_at.
-- Withdrawn by marking it deleted.
CREATE TABLE signoffs (
    uuid uuid PRIMARY KEY,
    batch_uuid uuid REFERENCES batches,
    area_uuid uuid REFERENCES areas,
    note text NOT NULL DEFAULT '',
    CHECK ((batch_uuid IS NULL) <> (area_uuid IS NULL))
);
CREATE INDEX signoffs_batch ON signoffs (batch_uuid);
CREATE INDEX signoffs_area ON signoffs (area_uuid);

-- Every change of a row: the fields it changed, before and after. Written by the server on
-- each update, and by clients for the edits they made while away.
CREATE TABLE history (
    uuid uuid PRIMARY KEY DEFAULT gen_random_uuid(),
    table_name text NOT NULL,
    row_uuid uuid NOT NULL,
    old_values jsonb NOT NULL,
    new_values jsonb NOT NULL
);
CREATE INDEX history_row ON history (row_uuid);

-- Who and when are the server's, on insert and for ever after; every write takes a new change
-- number, every update a new version.
CREATE FUNCTION varnolithic_stamp() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    IF TG_OP = 'INSERT' THEN
        NEW.created_by := current_user;
        NEW.created_at := now();
    ELSE
        NEW.created_by := OLD.created_by;
        NEW.created_at := OLD.created_at;
        NEW.version := OLD.version + 1;
    END IF;
    NEW.change := nextval('varnolithic_change');
    RETURN NEW;
END $$;

CREATE FUNCTION varnolithic_refuse_delete() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    RAISE EXCEPTION 'rows of % are never deleted on the team server; they are marked deleted',
        TG_TABLE_NAME USING ERRCODE = 'insufficient_privilege';
END $$;

CREATE FUNCTION varnolithic_refuse_reading_change() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    RAISE EXCEPTION 'readings are never changed or deleted on the team server; exclude them instead'
        USING ERRCODE = 'insufficient_privilege';
END $$;

CREATE FUNCTION varnolithic_record_history() RETURNS trigger LANGUAGE plpgsql AS $$
DECLARE
    before jsonb := to_jsonb(OLD);
    after jsonb := to_jsonb(NEW);
    previous jsonb := '{}';
    changed jsonb := '{}';
    field text;
BEGIN
    FOR field IN SELECT jsonb_object_keys(after) LOOP
        IF field NOT IN ('version', 'change') AND before -> field IS DISTINCT FROM after -> field THEN
            previous := previous || jsonb_build_object(field, before -> field);
            changed := changed || jsonb_build_object(field, after -> field);
        END IF;
    END LOOP;
    IF changed <> '{}' THEN
        INSERT INTO history (table_name, row_uuid, old_values, new_values)
            VALUES (TG_TABLE_NAME, NEW.uuid, previous, changed);
    END IF;
    RETURN NULL;
END $$;

CREATE TRIGGER stamp BEFORE INSERT ON readings FOR EACH ROW EXECUTE FUNCTION varnolithic_stamp();
CREATE TRIGGER stamp BEFORE INSERT ON history FOR EACH ROW EXECUTE FUNCTION varnolithic_stamp();
CREATE TRIGGER immutable BEFORE UPDATE OR DELETE ON readings
    FOR EACH ROW EXECUTE FUNCTION varnolithic_refuse_reading_change();
CREATE TRIGGER immutable_truncate BEFORE TRUNCATE ON readings
    FOR EACH STATEMENT EXECUTE FUNCTION varnolithic_refuse_reading_change();
CREATE TRIGGER immutable BEFORE UPDATE OR DELETE ON history
    FOR EACH ROW EXECUTE FUNCTION varnolithic_refuse_delete();

-- The tables whose rows are edited: a deleted mark and a version, the stamp trigger, no deletes,
-- and the history of every update.
DO $$
DECLARE
    edited text;
BEGIN
    FOREACH edited IN ARRAY ARRAY['jobs', 'areas', 'batches', 'exclusions', 'verifications',
                                  'signoffs'] LOOP
        EXECUTE format('ALTER TABLE %I ADD COLUMN deleted boolean NOT NULL DEFAULT false,
                            ADD COLUMN version integer NOT NULL DEFAULT 1', edited);
        EXECUTE format('CREATE TRIGGER stamp BEFORE INSERT OR UPDATE ON %I
                            FOR EACH ROW EXECUTE FUNCTION varnolithic_stamp()', edited);
        EXECUTE format('CREATE TRIGGER never_deleted BEFORE DELETE ON %I
                            FOR EACH ROW EXECUTE FUNCTION varnolithic_refuse_delete()', edited);
        EXECUTE format('CREATE TRIGGER history AFTER UPDATE ON %I
                            FOR EACH ROW EXECUTE FUNCTION varnolithic_record_history()', edited);
    END LOOP;
END $$;

-- Every table: the server's stamps, an index for "what changed since", row-level security and
-- reading for the whole team.
DO $$
DECLARE
    team_table text;
BEGIN
    FOREACH team_table IN ARRAY ARRAY['jobs', 'areas', 'batches', 'readings', 'exclusions',
                                      'verifications', 'signoffs', 'history'] LOOP
        EXECUTE format('ALTER TABLE %I ADD COLUMN created_by text NOT NULL DEFAULT current_user,
                            ADD COLUMN created_at timestamptz NOT NULL DEFAULT now(),
                            ADD COLUMN change bigint NOT NULL DEFAULT 0', team_table);
        EXECUTE format('CREATE INDEX %I ON %I (change)', team_table || '_change', team_table);
        EXECUTE format('ALTER TABLE %I ENABLE ROW LEVEL SECURITY', team_table);
        EXECUTE format('GRANT SELECT ON %I TO varnolithic_inspector, varnolithic_reviewer',
                       team_table);
        EXECUTE format('CREATE POLICY team_reads ON %I FOR SELECT
                            TO varnolithic_inspector, varnolithic_reviewer USING (true)',
                       team_table);
    END LOOP;
END $$;
GRANT USAGE ON SEQUENCE varnolithic_change TO varnolithic_inspector, varnolithic_reviewer;

-- Inspectors add jobs, areas, batches, readings, exclusions and verifications, and change what
-- they created. Readings and exclusions go only into their own batches.
GRANT INSERT ON jobs, areas, batches, readings, exclusions, verifications TO varnolithic_inspector;
GRANT UPDATE (name, client, site, notes, deleted) ON jobs TO varnolithic_inspector;
GRANT UPDATE (name, notes, deleted) ON areas TO varnolithic_inspector;
GRANT UPDATE (name, gauge_serial, probe, criteria, verdict, stopped_at, notes, deleted)
    ON batches TO varnolithic_inspector;
GRANT UPDATE (reason, deleted) ON exclusions TO varnolithic_inspector;
GRANT UPDATE (notes, deleted) ON verifications TO varnolithic_inspector;

DO $$
DECLARE
    own_table text;
BEGIN
    FOREACH own_table IN ARRAY ARRAY['jobs', 'areas', 'batches', 'verifications'] LOOP
        EXECUTE format('CREATE POLICY inspector_adds ON %I FOR INSERT TO varnolithic_inspector
                            WITH CHECK (created_by = current_user)', own_table);
    END LOOP;
    -- USING (true): a change of someone else's row reaches the check and is refused with an
    -- error, instead of finding no row to change.
    FOREACH own_table IN ARRAY ARRAY['jobs', 'areas', 'batches', 'exclusions', 'verifications'] LOOP
        EXECUTE format('CREATE POLICY inspector_changes_own ON %I FOR UPDATE
                            TO varnolithic_inspector
                            USING (true) WITH CHECK (created_by = current_user)', own_table);
    END LOOP;
    FOREACH own_table IN ARRAY ARRAY['readings', 'exclusions'] LOOP
        EXECUTE format('CREATE POLICY inspector_adds ON %I FOR INSERT TO varnolithic_inspector
                            WITH CHECK (created_by = current_user AND EXISTS (
                                SELECT 1 FROM batches WHERE batches.uuid = batch_uuid
                                    AND batches.created_by = current_user))', own_table);
    END LOOP;
END $$;

-- Reviewers sign off batches and areas, withdraw their own sign-offs and restore a batch that
-- was marked deleted; they change nothing else.
GRANT INSERT ON signoffs TO varnolithic_reviewer;
GRANT UPDATE (note, deleted) ON signoffs TO varnolithic_reviewer;
GRANT UPDATE (deleted) ON batches TO varnolithic_reviewer;
CREATE POLICY reviewer_signs ON signoffs FOR INSERT TO varnolithic_reviewer
    WITH CHECK (created_by = current_user);
CREATE POLICY reviewer_changes_own ON signoffs FOR UPDATE TO varnolithic_reviewer
    USING (true) WITH CHECK (created_by = current_user);
CREATE POLICY reviewer_restores ON batches FOR UPDATE TO varnolithic_reviewer
    USING (true) WITH CHECK (NOT deleted);

-- Both roles record the edits they made away from the server.
GRANT INSERT ON history TO varnolithic_inspector, varnolithic_reviewer;
CREATE POLICY team_records ON history FOR INSERT TO varnolithic_inspector, varnolithic_reviewer
    WITH CHECK (created_by = current_user);

-- A login for a member of the team. The password travels as a parameter, never inside the
-- text of a statement (which the server may log).
CREATE FUNCTION varnolithic_add_user(login text, team_role text, secret text)
RETURNS void LANGUAGE plpgsql AS $$
DECLARE
    other_role text;
BEGIN
    IF team_role = 'varnolithic_inspector' THEN
        other_role := 'varnolithic_reviewer';
    ELSIF team_role = 'varnolithic_reviewer' THEN
        other_role := 'varnolithic_inspector';
    ELSE
        RAISE EXCEPTION 'no team role %', team_role USING ERRCODE = 'invalid_parameter_value';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = login) THEN
        EXECUTE format('CREATE ROLE %I LOGIN', login);
    END IF;
    IF secret IS NOT NULL THEN
        EXECUTE format('ALTER ROLE %I PASSWORD %L', login, secret);
    END IF;
    IF EXISTS (SELECT 1 FROM pg_auth_members m JOIN pg_roles r ON r.oid = m.roleid
                   JOIN pg_roles u ON u.oid = m.member
               WHERE r.rolname = other_role AND u.rolname = login) THEN
        EXECUTE format('REVOKE %I FROM %I', other_role, login);
    END IF;
    EXECUTE format('GRANT %I TO %I', team_role, login);
END $$;
REVOKE EXECUTE ON FUNCTION varnolithic_add_user(text, text, text) FROM PUBLIC;
